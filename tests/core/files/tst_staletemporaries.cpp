// What a crash leaves of a file being written (a save file's temporary, an
// attachment's copy) is removed at start-up once it is a day old; a user's
// file, whatever its name, never is.
#include "TestEnv.h"
#include "core/platform/Clock.h"
#include "core/files/StaleTemporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>

class TstStaleTemporaries : public QObject {
    Q_OBJECT
    const QDateTime now = QDateTime(QDate(2026, 3, 10), QTime(9, 0));

    // A file of that name in the program folder, last written hours ago.
    static bool place(const TempProgramFolder &folder, const QString &name, int hoursAgo,
                      const QDateTime &now) {
        const QString path = folder.file(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write("bytes") != 5 || !f.flush())
            return false; // written now, so the time set below stays
        return f.setFileTime(now.addSecs(-3600 * hoursAgo), QFileDevice::FileModificationTime);
    }

private slots:
    void cleanup() { Clock::setFixed({}); }

    void removesOnlyTheProgramsOwnStaleTemporaries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hoursAgo");
        QTest::addColumn<bool>("removed");
        QTest::newRow("an export's save file") << "Clienti.xls.a1B2c3" << 25 << true;
        QTest::newRow("the same, written an hour ago") << "Clienti.xls.a1B2c3" << 1 << false;
        QTest::newRow("the same, 23 hours ago") << "Clienti.xls.a1B2c3" << 23 << false;
        QTest::newRow("an agenda export") << "Appuntamenti_Mensili.xls.Zz09aB" << 48 << true;
        QTest::newRow("the client card PDF") << "Contatto.pdf.qwerty" << 30 << true;
        QTest::newRow("the privacy document") << "Modulo_Privacy.rtf.QWERTY" << 30 << true;
        QTest::newRow("the logo") << "Logo.bmp.000000" << 30 << true;
        QTest::newRow("the manual") << "Guida.pdf.abcdef" << 30 << true;
        QTest::newRow("the password store") << "unins000.dll.abcdef" << 30 << true;
        QTest::newRow("a settings file") << "Contratti.ini.abcdef" << 30 << true;
        QTest::newRow("a photo") << "Anagrafica/Scheda_Dipendente_12.jpg.AbCdEf" << 30 << true;
        QTest::newRow("an attachment's copy")
            << "Documenti_Allegati/~Tersalia_copia_x1Y2z3.tmp" << 30 << true;
        // Never a user's file, nor the program's own files.
        QTest::newRow("the export itself") << "Clienti.xls" << 900 << false;
        QTest::newRow("an archive") << "Contatti.pro" << 900 << false;
        QTest::newRow("an attachment named like a save file")
            << "Documenti_Allegati/Clienti.xls.a1B2c3" << 900 << false;
        QTest::newRow("seven characters") << "Clienti.xls.a1B2c3d" << 900 << false;
        QTest::newRow("five characters") << "Clienti.xls.a1B2c" << 900 << false;
        QTest::newRow("another workbook") << "Fornitori.xls.a1B2c3" << 900 << false;
        QTest::newRow("a photo's save file outside its folder")
            << "Scheda_Dipendente_12.jpg.AbCdEf" << 900 << false;
        QTest::newRow("a user's copy of a photo")
            << "Anagrafica/Scheda_Dipendente_12.jpg.bak" << 900 << false;
        QTest::newRow("an attachment named like a copy, more")
            << "Documenti_Allegati/~Tersalia_copia_x1Y2z3.tmp.pdf" << 900 << false;
        QTest::newRow("a copy's name in the program folder") << "~Tersalia_copia_x1Y2z3.tmp" << 900 << false;
        QTest::newRow("a name with a dot in the random part") << "Logo.bmp.ab.def" << 900 << false;
    }
    void removesOnlyTheProgramsOwnStaleTemporaries() {
        QFETCH(QString, name);
        QFETCH(int, hoursAgo);
        QFETCH(bool, removed);
        TempProgramFolder folder;
        Clock::setFixed(now);
        QVERIFY(place(folder, name, hoursAgo, now));
        QCOMPARE(StaleTemporaries::removeOlderThanADay(), removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(folder.file(name)), !removed);
    }

    // The names the cleaning knows are the names the program's writers make.
    // Where the folder cannot hold a file without a name (a network share), a
    // save file writes into "<name>.XXXXXX": the temporary file its template
    // names, made here as QSaveFile makes it.
    void theWritersNamesAreKnown_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("an export") << "Clienti.xls";
        QTest::newRow("a photo") << "Anagrafica/Scheda_Dipendente_3.jpg";
    }
    void theWritersNamesAreKnown() {
        QFETCH(QString, file);
        TempProgramFolder folder;
        QDir().mkpath(folder.file(QStringLiteral("Anagrafica")));
        QTemporaryFile left(folder.file(file)); // no XXXXXX: ".XXXXXX" is added
        QVERIFY(left.open());
        const QString name = left.fileName(); // named now, as on a share
        QVERIFY2(QFileInfo(name).fileName().startsWith(QFileInfo(file).fileName() + QLatin1Char('.')),
                 qPrintable(name));
        left.setAutoRemove(false);
        left.close();
        Clock::setFixed(QDateTime::currentDateTime().addDays(2));
        QCOMPARE(StaleTemporaries::removeOlderThanADay(), 1);
        QVERIFY(!QFileInfo::exists(name));
    }

    void anAttachmentCopysNameIsKnown() {
        TempProgramFolder folder;
        QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati")));
        QTemporaryFile copy(folder.file(QStringLiteral("Documenti_Allegati/")) +
                            StaleTemporaries::attachmentCopyTemplate());
        QVERIFY(copy.open());
        QVERIFY(!copy.fileName().isEmpty()); // named now, as the attachments screen names it
        copy.setAutoRemove(false);
        copy.close();
        Clock::setFixed(QDateTime::currentDateTime().addDays(2));
        QCOMPARE(StaleTemporaries::removeOlderThanADay(), 1);
        QVERIFY(!QFileInfo::exists(copy.fileName()));
    }
};

QTEST_MAIN(TstStaleTemporaries)
#include "tst_staletemporaries.moc"
