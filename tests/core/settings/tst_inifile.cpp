// Settings files: standard Windows INI files with blanks in names and
// Windows-1252 values, read and written as the Windows profile functions do.
#include "FullDisk.h"
#include "TestEnv.h"
#include "core/files/StaleTemporaries.h"
#include "core/settings/IniFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <optional>
#include <tuple>

namespace {
const QByteArray kNoFile = "<no file>";

// A literal with NUL bytes in it, whole.
template <qsizetype N> QByteArray bytes(const char (&text)[N]) { return QByteArray(text, N - 1); }

// One row: the file before (kNoFile: none), the call, what it gives and the file after.
void row(const char *name, const QByteArray &before, const char *section, const char *key,
         std::optional<QString> written, bool ok, const QByteArray &after, const QString &read) {
    QTest::newRow(name) << before << QString::fromUtf8(section) << QString::fromUtf8(key)
                        << written.value_or(QString()) << written.has_value() << ok << after << read;
}
void reads(const char *name, const QByteArray &text, const char *section, const char *key,
           const QString &value) {
    row(name, text, section, key, std::nullopt, true, text, value);
}
void writes(const char *name, const QByteArray &before, const char *section, const char *key,
            const QString &value, const QByteArray &after, const QString &readBack) {
    row(name, before, section, key, value, true, after, readBack);
}
void refuses(const char *name, const QByteArray &before, const char *section, const char *key,
             const QString &value) {
    row(name, before, section, key, value, false, before, QString());
}
// The text of the kill test's file with X one letter n times, as the
// concurrent writer's "rewrite" writes it.
bool isWholeRewrite(const QByteArray &text, int size) {
    const QByteArray head = "[A]\r\nX=", tail = "\r\n[Numerazione Contratti]\r\nInizio=500\r\n";
    if (!text.startsWith(head) || !text.endsWith(tail))
        return false;
    const QByteArray value = text.mid(head.size(), text.size() - head.size() - tail.size());
    return (value.size() == size || value.size() == size + 777) && value.count(value.front()) == value.size();
}

// What a look at the file from outside sees change: its size, its last
// change and its first value byte.
using FileState = std::tuple<qint64, QDateTime, char>;
FileState stateOf(const QString &path) {
    QFile file(path);
    char first = 0;
    if (file.open(QIODevice::ReadOnly) && file.seek(7))
        file.getChar(&first);
    const QFileInfo info(path);
    return {info.size(), info.lastModified(), first};
}

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TstIniFile : public QObject {
    Q_OBJECT
private slots:
    void readsAndWritesAsWindows_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("write");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("read");
        const QByteArray company = "[Ditta Pulizie]\r\n";
        const QString longValue(100000, QLatin1Char('v'));
        const QByteArray longBytes(743, 'x');

        // Comments are lines that start with ";": inside a value ";" and "#" are text.
        reads("inline semicolon", company + "Responsabile=Mario Rossi; Anna Verdi\r\n", "Ditta Pulizie",
              "Responsabile", QStringLiteral("Mario Rossi; Anna Verdi"));
        reads("inline hash", company + "Denominazione=Pulizie #1 # e ;\r\n", "Ditta Pulizie", "Denominazione",
              QStringLiteral("Pulizie #1 # e ;"));
        reads("comment line after blanks", company + "  ;PEC=vecchia@pec.it\r\nPEC=nuova@pec.it\r\n",
              "Ditta Pulizie", "PEC", QStringLiteral("nuova@pec.it"));
        reads("hash line is a key", company + "#PEC=a\r\n", "Ditta Pulizie", "#PEC", QStringLiteral("a"));
        // One pair of matching quotes goes; anything else is text, backslashes included.
        reads("double quotes", company + "Denominazione=\"Alfa; Beta\"\r\n", "Ditta Pulizie", "Denominazione",
              QStringLiteral("Alfa; Beta"));
        reads("single quotes", company + "Denominazione='Alfa'\r\n", "Ditta Pulizie", "Denominazione",
              QStringLiteral("Alfa"));
        reads("only one pair of quotes", company + "Denominazione=\"\"Alfa\"\"\r\n", "Ditta Pulizie",
              "Denominazione", QStringLiteral("\"Alfa\""));
        reads("quotes that do not match", company + "Denominazione=\"Alfa'\r\n", "Ditta Pulizie",
              "Denominazione", QStringLiteral("\"Alfa'"));
        reads("quote inside", company + "Denominazione=L'Ape \"Regina\"\r\n", "Ditta Pulizie",
              "Denominazione", QStringLiteral("L'Ape \"Regina\""));
        reads("backslashes are text", company + "Denominazione=\\\"Alfa\\\"\r\n", "Ditta Pulizie",
              "Denominazione", QStringLiteral("\\\"Alfa\\\""));
        reads("equals sign in a value", company + "PEC=a=b@pec.it\r\n", "Ditta Pulizie", "PEC",
              QStringLiteral("a=b@pec.it"));
        reads("blanks around names and value", "  [ Ditta Pulizie ]  \r\n  Partita Iva  =  0123  \r\n",
              "Ditta Pulizie", "Partita Iva", QStringLiteral("0123"));
        reads("names ignore the case of a-z", "[DITTA pulizie]\r\nPARTITA iva=0123\r\n", "ditta Pulizie",
              "partita IVA", QStringLiteral("0123"));
        reads("Windows-1252 value", company + "Sede Legale=Forl\xec\r\n", "Ditta Pulizie", "Sede Legale",
              QStringLiteral("Forlì"));
        reads("long line", company + "Denominazione=" + longValue.toLatin1() + "\r\n", "Ditta Pulizie",
              "Denominazione", longValue);
        reads("byte-order mark", "\xEF\xBB\xBF[Numerazione Contratti]\r\nInizio=100\r\n",
              "Numerazione Contratti", "Inizio", QStringLiteral("100"));
        reads("byte-order mark: UTF-8 text", "\xEF\xBB\xBF[Ditta Pulizie]\r\nSede Legale=Forl\xC3\xAC\r\n",
              "Ditta Pulizie", "Sede Legale", QStringLiteral("Forlì"));
        reads("LF line ends", "[A]\nX=1\n[B]\nX=2\n", "B", "X", QStringLiteral("2"));
        reads("mixed line ends", "[A]\r\nX=1\n[B]\nY=2\r\nX=3", "B", "X", QStringLiteral("3"));
        reads("missing section", company + "PEC=a\r\n", "Numerazione Contratti", "PEC", QString());
        reads("key of another section", "[A]\r\nX=1\r\n[B]\r\n", "B", "X", QString());
        reads("key before any section", "X=1\r\n[A]\r\n", "A", "X", QString());
        reads("duplicate keys: the first", "[A]\r\nX=1\r\nX=2\r\n", "A", "X", QStringLiteral("1"));
        reads("duplicate sections: the first", "[A]\r\n[B]\r\n[a]\r\nX=2\r\n", "A", "X", QString());
        reads("key without equals sign", "[A]\r\nX\r\nX=2\r\n", "A", "X", QString());
        reads("no closing bracket: a key", "[A]\r\n[B=1\r\n", "A", "[B", QStringLiteral("1"));
        reads("no file", kNoFile, "A", "X", QString());

        // A value is written as given (trimmed), never quoted nor escaped.
        writes("new file", kNoFile, "Ditta Pulizie", "Denominazione", QStringLiteral("  Alfa  "),
               company + "Denominazione=Alfa\r\n", QStringLiteral("Alfa"));
        writes("semicolon and hash", kNoFile, "Ditta Pulizie", "Responsabile",
               QStringLiteral("Mario Rossi; Anna # Verdi"),
               company + "Responsabile=Mario Rossi; Anna # Verdi\r\n",
               QStringLiteral("Mario Rossi; Anna # Verdi"));
        writes("quotes are not escaped", kNoFile, "Ditta Pulizie", "Denominazione",
               QStringLiteral("L'Ape \"Regina\" s.r.l."),
               company + "Denominazione=L'Ape \"Regina\" s.r.l.\r\n",
               QStringLiteral("L'Ape \"Regina\" s.r.l."));
        writes("Windows-1252", kNoFile, "Ditta Pulizie", "Sede Legale", QStringLiteral("Forlì"),
               company + "Sede Legale=Forl\xec\r\n", QStringLiteral("Forlì"));
        // Every other line stays byte for byte.
        writes("a key rewritten",
               "; nota\r\n[Altro]\r\nPEC=1\r\n[Ditta Pulizie]\r\nPEC=a@b.it\r\nCAP=47121\r\n",
               "ditta pulizie", "pec", QStringLiteral("c@d.it"),
               "; nota\r\n[Altro]\r\nPEC=1\r\n[Ditta Pulizie]\r\nPEC=c@d.it\r\nCAP=47121\r\n",
               QStringLiteral("c@d.it"));
        writes("its spelling and blanks kept", "[A]\r\n  Chiave =  1  \r\n", "a", "CHIAVE",
               QStringLiteral("2"), "[A]\r\n  Chiave =2\r\n", QStringLiteral("2"));
        writes("unknown bytes kept", bytes("; \x01\x00\xff\r\n[Z]\r\n\x00=\x80\r\n[A]\r\nX=1\r\n"), "A", "X",
               QStringLiteral("2"), bytes("; \x01\x00\xff\r\n[Z]\r\n\x00=\x80\r\n[A]\r\nX=2\r\n"),
               QStringLiteral("2"));
        writes("a long line rewritten shorter", company + "Denominazione=" + longBytes + "[x]=y\r\nPEC=a\r\n",
               "Ditta Pulizie", "Denominazione", QStringLiteral("Beta"),
               company + "Denominazione=Beta\r\nPEC=a\r\n", QStringLiteral("Beta"));
        writes("a long value", company + "PEC=a\r\n", "Ditta Pulizie", "Denominazione", longValue,
               company + "PEC=a\r\nDenominazione=" + longValue.toLatin1() + "\r\n", longValue);
        // Lines written end with CR LF; the file's own line ends stay.
        writes("new key in a LF file", "[A]\nX=1\n\n[B]\nY=2\n", "A", "Z", QStringLiteral("3"),
               "[A]\nX=1\nZ=3\r\n\n[B]\nY=2\n", QStringLiteral("3"));
        writes("a LF line keeps its end", "[A]\nX=1\nY=2\n", "A", "X", QStringLiteral("5"), "[A]\nX=5\nY=2\n",
               QStringLiteral("5"));
        writes("mixed line ends", "[A]\r\nX=1\nY=2\r\n", "A", "X", QStringLiteral("5"), "[A]\r\nX=5\nY=2\r\n",
               QStringLiteral("5"));
        writes("no final line end: a key added", "[A]\r\nX=1", "A", "Y", QStringLiteral("2"),
               "[A]\r\nX=1\r\nY=2\r\n", QStringLiteral("2"));
        writes("no final line end: the key rewritten", "[A]\r\nX=1", "A", "X", QStringLiteral("2"),
               "[A]\r\nX=2", QStringLiteral("2"));
        writes("a header alone", "[A]", "A", "X", QStringLiteral("1"), "[A]\r\nX=1\r\n", QStringLiteral("1"));
        writes("new key after the last key", "[A]\r\nX=1\r\n; segue B\r\n\r\n[B]\r\nY=2\r\n", "A", "Z",
               QStringLiteral("3"), "[A]\r\nX=1\r\nZ=3\r\n; segue B\r\n\r\n[B]\r\nY=2\r\n",
               QStringLiteral("3"));
        writes("new key in an empty section", "[A]\r\n; nota\r\n[B]\r\n", "A", "X", QStringLiteral("1"),
               "[A]\r\nX=1\r\n; nota\r\n[B]\r\n", QStringLiteral("1"));
        writes("missing section at the end", "[A]\nX=1\n", "Numerazione Contratti", "Inizio",
               QStringLiteral("7"), "[A]\nX=1\n[Numerazione Contratti]\r\nInizio=7\r\n", QStringLiteral("7"));
        writes("byte-order mark kept", "\xEF\xBB\xBF[Numerazione Contratti]\r\nInizio=100\r\n",
               "Numerazione Contratti", "Inizio", QStringLiteral("200"),
               "\xEF\xBB\xBF[Numerazione Contratti]\r\nInizio=200\r\n", QStringLiteral("200"));
        writes("byte-order mark alone", "\xEF\xBB\xBF", "A", "Sede", QStringLiteral("Forlì"),
               "\xEF\xBB\xBF[A]\r\nSede=Forl\xC3\xAC\r\n", QStringLiteral("Forlì"));
        writes("duplicate keys: the first rewritten", "[A]\r\nX=1\r\nX=2\r\n", "A", "X", QStringLiteral("9"),
               "[A]\r\nX=9\r\nX=2\r\n", QStringLiteral("9"));
        writes("duplicate sections: the first", "[A]\r\nX=1\r\n[B]\r\n[A]\r\nY=2\r\n", "A", "Y",
               QStringLiteral("3"), "[A]\r\nX=1\r\nY=3\r\n[B]\r\n[A]\r\nY=2\r\n", QStringLiteral("3"));
        writes("key without equals sign", "[A]\r\nX\r\n", "A", "X", QStringLiteral("1"), "[A]\r\nX=1\r\n",
               QStringLiteral("1"));
        writes("an empty value", "[A]\r\nX=1\r\n", "A", "X", QString(), "[A]\r\nX=\r\n", QString());
        writes("enclosing quotes read away", kNoFile, "A", "X", QStringLiteral("\"Alfa\""),
               "[A]\r\nX=\"Alfa\"\r\n", QStringLiteral("Alfa"));

        // What could not be read back as written is refused, the file untouched.
        refuses("line break in the value", company, "Ditta Pulizie", "PEC", QStringLiteral("a\r\nb"));
        refuses("equals sign in the key", company, "Ditta Pulizie", "P=C", QStringLiteral("a"));
        refuses("key that starts a comment", company, "Ditta Pulizie", ";PEC", QStringLiteral("a"));
        refuses("bracket in the section", company, "Ditta] [Pulizie", "PEC", QStringLiteral("a"));
        refuses("empty key", company, "Ditta Pulizie", " ", QStringLiteral("a"));
    }
    void readsAndWritesAsWindows() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, write);
        QFETCH(bool, ok);
        QFETCH(QByteArray, after);
        QFETCH(QString, read);
        TempProgramFolder folder;
        const QString name = QStringLiteral("Contratti.ini");
        if (before != kNoFile)
            folder.write(name, before);
        IniFile ini(folder.file(name));
        if (write)
            QCOMPARE(ini.write(section, key, value), ok);
        QCOMPARE(ini.read(section, key), read);
        if (after != kNoFile)
            QCOMPARE(folder.read(name), after);
        else
            QVERIFY(!QFile::exists(folder.file(name)));
    }

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

    // A station killed while it saves settings (a power cut, the task ended):
    // the file is the old text or the new one, never part of each, and what
    // the write left beside it goes at the next start.
    void aKillLeavesTheFileOldOrNew() {
        TempProgramFolder folder;
        constexpr int kSize = 4 << 20; // a long line: a rewrite takes long enough to be caught in it
        const QString name = QStringLiteral("Contratti.ini");
        folder.write(name,
                     "[A]\r\nX=" + QByteArray(kSize, 'z') + "\r\n[Numerazione Contratti]\r\nInizio=500\r\n");
        folder.write(QStringLiteral("go"), "");
        for (int round = 0; round < 6; ++round) {
            QProcess desk;
            desk.start(QStringLiteral(CONCURRENT_WRITER),
                       {QStringLiteral("rewrite"), folder.file(name), QString::number(kSize),
                        QStringLiteral("1000000"), folder.file(QStringLiteral("go"))});
            QVERIFY(desk.waitForStarted());
            // Killed as soon as the file shows a change: in the middle of a
            // rewrite, if the file is ever rewritten in place.
            const FileState before = stateOf(folder.file(name));
            QDeadlineTimer patience(20000);
            while (stateOf(folder.file(name)) == before && !patience.hasExpired())
                ;
            desk.kill();
            QVERIFY(desk.waitForFinished());
            QVERIFY(!patience.hasExpired());
            const QByteArray text = folder.read(name);
            QVERIFY2(isWholeRewrite(text, kSize),
                     qPrintable(QStringLiteral("round %1: %2 bytes, X starts with %3, ends with %4")
                                    .arg(round)
                                    .arg(text.size())
                                    .arg(QString::fromLatin1(text.mid(7, 1)))
                                    .arg(QString::fromLatin1(text.right(40)))));
        }
        StaleTemporaries::removeLeftovers();
        QCOMPARE(filesIn(folder.path()), (QStringList{name, QStringLiteral("go")}));
    }

    // A disk with no room, or with room for part of the new text: the write
    // is refused and the file stays byte for byte, nothing left beside it.
    void aFullDiskLeavesTheFileAsItWas_data() {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room") << qint64(0);
        QTest::newRow("room for part of it") << qint64(8192);
    }
    void aFullDiskLeavesTheFileAsItWas() {
        QFETCH(qint64, room);
        TempProgramFolder folder;
        const QString name = QStringLiteral("Contratti.ini");
        const QByteArray before = "\xEF\xBB\xBF[Ditta Pulizie]\r\nDenominazione=Alfa\r\n; nota\r\n"
                                  "[Numerazione Contratti]\r\nInizio=500\r\n";
        FullDisk disk(folder.path());
        if (!disk.mounted())
            QSKIP("this machine gives no way of filling a disk");
        folder.write(name, before);
        QVERIFY(disk.fill());
        if (room)
            QVERIFY(disk.leaveRoom(room));
        IniFile ini(folder.file(name));
        QVERIFY(!ini.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Denominazione"),
                           QString(20000, QLatin1Char('v'))));
        QCOMPARE(folder.read(name), before);
        QCOMPARE(filesIn(folder.path()), (QStringList{name, QStringLiteral("riempitivo.bin")}));
        QCOMPARE(ini.read(QStringLiteral("Numerazione Contratti"), QStringLiteral("Inizio")),
                 QStringLiteral("500"));
    }

    void unwritableFileIsReported() {
        TempProgramFolder folder;
        IniFile inMissingFolder(folder.file(QStringLiteral("manca/x.ini")));
        QVERIFY(!inMissingFolder.write(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")));
        // A value that would span lines cannot be kept intact: it is refused.
        IniFile ini(folder.file(QStringLiteral("x.ini")));
        QVERIFY(!ini.write(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("due\nrighe")));
        QCOMPARE(ini.read(QStringLiteral("A"), QStringLiteral("B")), QString());
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
