// What a crash leaves of a file being written whole (its temporary, marked
// ".~tersalia~") is removed at the next start when nobody holds it; a write
// in progress on another desk is left alone, and so is every other file,
// whatever its name or age.
#include "TestEnv.h"
#include "core/files/FileLock.h"
#include "core/files/ProgramTemporary.h"
#include "core/files/StaleTemporaries.h"
#include "core/files/WholeFileWriter.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool place(const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("bytes") == 5 && f.flush();
}

} // namespace

class TstStaleTemporaries : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ProgramFolder::setPath(QString()); }

    // "@backup/" stands for the backup copies' folder, outside the program folder.
    void removesOnlyLeftoversOfTheProgramsTemporaries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        // A leftover goes at once, wherever the program writes whole files.
        QTest::newRow("an export's") << "Clienti.xls.~tersalia~a1B2c3" << true;
        QTest::newRow("the year's export") << "Andamento_2026.xls.~tersalia~LntSku" << true;
        QTest::newRow("a settings file's") << "Contratti.ini.~tersalia~000000" << true;
        QTest::newRow("the password store's") << "unins000.dll.~tersalia~zzzzzz" << true;
        QTest::newRow("a photo's") << "Anagrafica/Scheda_Dipendente_1.jpg.~tersalia~Q9x8Z7" << true;
        QTest::newRow("an attachment's")
            << "Documenti_Allegati/Carta d'identità.pdf.~tersalia~k3J5m2" << true;
        QTest::newRow("in the work files' folder")
            << "Archivio_Lavori/Riepilogo.xls.~tersalia~AAAAAA" << true;
        QTest::newRow("a backup copy's")
            << "@backup/Tersalia_Copia_2026-12-11_15-30.zip.~tersalia~k3J5m2" << true;
        // Users' files beside them, whatever their age.
        QTest::newRow("a settings file's copy") << "Contratti.ini.backup" << false;
        QTest::newRow("the password store's copy") << "unins000.dll.backup" << false;
        QTest::newRow("the logo's copy") << "Logo.bmp.backup" << false;
        QTest::newRow("a month's export") << "Clienti.xls.giugno" << false;
        QTest::newRow("a client's consent") << "Modulo_Privacy.rtf.Rossi1" << false;
        QTest::newRow("a client's card") << "Contatto.pdf.Bianca" << false;
        QTest::newRow("a photo's copy") << "Anagrafica/Scheda_Dipendente_1.jpg.backup" << false;
        QTest::newRow("an earlier version's save file") << "Andamento_2026.xls.LntSku" << false;
        QTest::newRow("an attachment named like an old copy")
            << "Documenti_Allegati/~Tersalia_copia_x1Y2z3.tmp" << false;
        QTest::newRow("a backup copy") << "@backup/Tersalia_Copia_2026-12-11_15-30.zip" << false;
        // Nearly the form, but not it.
        QTest::newRow("five characters") << "Clienti.xls.~tersalia~a1B2c" << false;
        QTest::newRow("seven characters") << "Clienti.xls.~tersalia~a1B2c3d" << false;
        QTest::newRow("something after") << "Clienti.xls.~tersalia~a1B2c3.pdf" << false;
        QTest::newRow("no final name") << ".~tersalia~a1B2c3" << false;
        QTest::newRow("another marker") << "Clienti.xls.~Tersalia~a1B2c3" << false;
        QTest::newRow("not a letter or digit") << "Clienti.xls.~tersalia~a1B2c_" << false;
        // Only the program's folders are looked into.
        QTest::newRow("in another folder") << "Altro/Clienti.xls.~tersalia~a1B2c3" << false;
        QTest::newRow("one folder deeper") << "Anagrafica/Vecchie/Foto.jpg.~tersalia~a1B2c3" << false;
    }
    void removesOnlyLeftoversOfTheProgramsTemporaries() {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        TempProgramFolder folder;
        ProgramFolder::setPath(folder.path());
        QTemporaryDir backups;
        const QString path =
            name.startsWith(QLatin1String("@backup/")) ? backups.filePath(name.mid(8)) : folder.file(name);
        QVERIFY(place(path));
        QCOMPARE(StaleTemporaries::removeLeftovers({backups.path()}), removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path), !removed);
    }

    // The names the writer makes are the names the clean-up knows.
    void aWritersTemporaryHasTheForm() {
        for (const QString &target :
             {QStringLiteral("/x/Clienti.xls"), QStringLiteral("/x/Scheda_Dipendente_4.jpg")}) {
            const QString name = QFileInfo(ProgramTemporary::pathFor(target)).fileName();
            QVERIFY2(name.startsWith(QFileInfo(target).fileName() + QStringLiteral(".~tersalia~")),
                     qPrintable(name));
            QVERIFY(ProgramTemporary::isTemporaryName(name));
        }
        QVERIFY(ProgramTemporary::pathFor(QStringLiteral("a")) !=
                ProgramTemporary::pathFor(QStringLiteral("a")));
    }

    // A write in progress in this program (its own lock) is left alone.
    void aWriteInProgressIsKept() {
        TempProgramFolder folder;
        ProgramFolder::setPath(folder.path());
        WholeFileWriter writer(folder.file(QStringLiteral("Clienti.xls")));
        QVERIFY(writer.open());
        QVERIFY(writer.write("<table>"));
        QCOMPARE(StaleTemporaries::removeLeftovers(), 0);
        QVERIFY(QFileInfo::exists(writer.temporaryPath()));
        QVERIFY(writer.commit());
        QCOMPARE(folder.read(QStringLiteral("Clienti.xls")), QByteArray("<table>"));
    }

    // Another desk writing (another process holding the temporary's lock):
    // kept while it holds it, removed once it is gone without finishing.
    void anotherDesksWriteIsKeptUntilItDies() {
        TempProgramFolder folder;
        ProgramFolder::setPath(folder.path());
        const QString temporary = folder.file(QStringLiteral("Contatto.pdf.~tersalia~Ab12Cd"));
        QVERIFY(place(temporary));
        const QString holding = folder.file(QStringLiteral("holding"));
        QProcess desk;
        desk.start(QStringLiteral(CONCURRENT_WRITER), {QStringLiteral("hold"), temporary, QStringLiteral("-"),
                                                       QStringLiteral("60000"), holding});
        QVERIFY(desk.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(holding), 20000);
        QCOMPARE(StaleTemporaries::removeLeftovers(), 0);
        QVERIFY(QFileInfo::exists(temporary));
        desk.kill(); // a crash: the lock goes with the process
        QVERIFY(desk.waitForFinished());
        QCOMPARE(StaleTemporaries::removeLeftovers(), 1);
        QVERIFY(!QFileInfo::exists(temporary));
    }

    void noBackupFolderIsNotTheCurrentFolder() {
        TempProgramFolder folder, current;
        ProgramFolder::setPath(folder.path());
        const QString here = current.file(QStringLiteral("Clienti.xls.~tersalia~a1B2c3"));
        QVERIFY(place(here));
        const QString before = QDir::currentPath();
        QDir::setCurrent(current.path());
        const int removed = StaleTemporaries::removeLeftovers({QString()});
        QDir::setCurrent(before);
        QCOMPARE(removed, 0);
        QVERIFY(QFileInfo::exists(here));
    }
};

QTEST_GUILESS_MAIN(TstStaleTemporaries)
#include "tst_staletemporaries.moc"
