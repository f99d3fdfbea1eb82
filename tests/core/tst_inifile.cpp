// Settings files: standard Windows INI files with blanks in names and Windows-1252 values.
#include "TestEnv.h"
#include "core/IniFile.h"

#include <QDir>
#include <QTest>

class TstIniFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileOrKeyReadsEmpty() {
        TempProgramFolder folder;
        IniFile ini(folder.file(QStringLiteral("Contratti.ini")));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Partita Iva")), QString());
        folder.write(QStringLiteral("Contratti.ini"), "[Ditta Pulizie]\r\nPEC=a@b.it\r\n");
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Partita Iva")), QString());
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("PEC")), QStringLiteral("a@b.it"));
    }

    void writesNamesWithBlanksAndWindows1252Values() {
        TempProgramFolder folder;
        IniFile ini(folder.file(QStringLiteral("Contratti.ini")));
        QVERIFY(ini.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Denominazione"),
                          QStringLiteral("  Pulizie Città Più s.r.l. ")));
        QVERIFY(ini.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Partita Iva"),
                          QStringLiteral("01234567890")));
        QVERIFY(ini.write(QStringLiteral("Numerazione Contratti"), QStringLiteral("Inizio"),
                          QStringLiteral("7")));
        const QByteArray bytes = folder.read(QStringLiteral("Contratti.ini"));
        QVERIFY(bytes.contains("[Ditta Pulizie]"));
        QVERIFY(bytes.contains("Denominazione=Pulizie Citt\xe0 Pi\xf9 s.r.l."));
        QVERIFY(bytes.contains("Partita Iva=01234567890"));
        QVERIFY(!bytes.contains("%20"));
        QCOMPARE(ini.read(QStringLiteral("ditta pulizie"), QStringLiteral("DENOMINAZIONE")),
                 QStringLiteral("Pulizie Città Più s.r.l."));
        QCOMPARE(ini.read(QStringLiteral("Numerazione Contratti"), QStringLiteral("Inizio")),
                 QStringLiteral("7"));
    }

    void keepsCommentsAndOtherSections() {
        TempProgramFolder folder;
        folder.write(QStringLiteral("x.ini"), "; nota\r\n[Altro]\r\nChiave=1\r\n[Accesso]\r\nValore=AA\r\n");
        IniFile ini(folder.file(QStringLiteral("x.ini")));
        QVERIFY(ini.write(QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("BB")));
        const QByteArray bytes = folder.read(QStringLiteral("x.ini"));
        QVERIFY(bytes.contains("; nota"));
        QVERIFY(bytes.contains("Chiave=1"));
        QCOMPARE(ini.read(QStringLiteral("Accesso"), QStringLiteral("Valore")), QStringLiteral("BB"));
    }

    void unwritableFileIsReported() {
        TempProgramFolder folder;
        IniFile inMissingFolder(folder.file(QStringLiteral("manca/x.ini")));
        QVERIFY(!inMissingFolder.write(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")));
        // A value minIni would silently cut is refused instead.
        IniFile ini(folder.file(QStringLiteral("x.ini")));
        QVERIFY(!ini.write(QStringLiteral("A"), QStringLiteral("B"), QString(600, QLatin1Char('x'))));
        QVERIFY(!ini.write(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("due\nrighe")));
        QCOMPARE(ini.read(QStringLiteral("A"), QStringLiteral("B")), QString());
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
