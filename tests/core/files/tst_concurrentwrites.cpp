// Two stations writing to one shared program folder at the same moment: every
// record and every setting written by either must be there afterwards, and a
// lock another station holds too long fails the write instead of losing it.
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "core/files/FileLock.h"
#include "core/settings/IniFile.h"
#include "core/records/RecordFile.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(FileLock::Kind)

namespace {
// Starts two writers on the same file, lets them go at once, waits for both.
void runTwoStations(const QString &mode, const QString &file, int each, const QString &goFile) {
    QProcess a, b;
    const QString writer = QStringLiteral(CONCURRENT_WRITER);
    a.start(writer, {mode, file, QStringLiteral("A"), QString::number(each), goFile});
    b.start(writer, {mode, file, QStringLiteral("B"), QString::number(each), goFile});
    QVERIFY(a.waitForStarted() && b.waitForStarted());
    {
        QFile go(goFile);
        QVERIFY(go.open(QIODevice::WriteOnly));
    }
    QVERIFY(a.waitForFinished(120000) && b.waitForFinished(120000));
    QCOMPARE(a.exitStatus(), QProcess::NormalExit);
    QCOMPARE(b.exitStatus(), QProcess::NormalExit);
    QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
    QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
}

Record appointment(const QString &contact) {
    Record r(Archives::appointments());
    r.set("Contatto", contact);
    return r;
}
} // namespace

class TstConcurrentWrites : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FileLock::setPatienceMs(5000); }

    // Three rounds: how far two processes overlap depends on the machine's load.
    void twoStationsAppendingLoseNoRecord_data() {
        QTest::addColumn<int>("round");
        for (int round = 1; round <= 3; ++round)
            QTest::addRow("round %d", round) << round;
    }
    void twoStationsAppendingLoseNoRecord() {
        TempProgramFolder folder;
        const QString file = folder.file(QStringLiteral("Archivio_Appuntamenti.pro"));
        constexpr int each = 1000;
        runTwoStations(QStringLiteral("append"), file, each, folder.file(QStringLiteral("via")));
        if (QTest::currentTestFailed())
            return;

        const QByteArray bytes = folder.read(QStringLiteral("Archivio_Appuntamenti.pro"));
        const int size = Archives::appointments().size();
        QCOMPARE(bytes.size(), 2 * each * size);
        // Every record whole and written once: each station's numbers 0..999, in its own order.
        QHash<QString, int> nextOf{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 0}};
        Record r(Archives::appointments());
        for (int n = 0; n < 2 * each; ++n) {
            r.bytes() = bytes.mid(n * size, size);
            const QString station = r.get("Contatto");
            QVERIFY2(nextOf.contains(station),
                     qPrintable(QStringLiteral("record %1: %2").arg(n + 1).arg(station)));
            QCOMPARE(r.get("Note"), QString::number(nextOf[station]++));
        }
        QCOMPARE(nextOf.value(QStringLiteral("A")), each);
        QCOMPARE(nextOf.value(QStringLiteral("B")), each);
    }

    // Two stations appending series of 50 records at once: every series lies
    // whole in the file, never interleaved with the other station's records.
    void twoStationsAppendingSeriesKeepEachWhole_data() { twoStationsAppendingLoseNoRecord_data(); }
    void twoStationsAppendingSeriesKeepEachWhole() {
        TempProgramFolder folder;
        const QString file = folder.file(QStringLiteral("Archivio_Appuntamenti.pro"));
        constexpr int each = 40, series = 50;
        runTwoStations(QStringLiteral("series"), file, each, folder.file(QStringLiteral("via")));
        if (QTest::currentTestFailed())
            return;
        const QByteArray bytes = folder.read(QStringLiteral("Archivio_Appuntamenti.pro"));
        const int size = Archives::appointments().size();
        QCOMPARE(bytes.size(), qsizetype(2) * each * series * size);
        QHash<QString, int> nextOf{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 0}};
        Record r(Archives::appointments());
        for (int n = 0; n < 2 * each * series; n += series) {
            r.bytes() = bytes.mid(qsizetype(n) * size, size);
            const QString station = r.get("Contatto");
            QVERIFY2(nextOf.contains(station), qPrintable(station));
            const int i = nextOf[station]++;
            for (int j = 0; j < series; ++j) {
                r.bytes() = bytes.mid(qsizetype(n + j) * size, size);
                QCOMPARE(r.get("Contatto"), station);
                QCOMPARE(r.get("Note"), QStringLiteral("%1-%2").arg(i).arg(j));
            }
        }
        QCOMPARE(nextOf.value(QStringLiteral("A")), each);
        QCOMPARE(nextOf.value(QStringLiteral("B")), each);
    }

    void twoStationsWritingSettingsLoseNoKey() {
        TempProgramFolder folder;
        const QString file = folder.file(QStringLiteral("Contratti.ini"));
        folder.write(QStringLiteral("Contratti.ini"), "; impostazioni\r\n[Ditta Pulizie]\r\nPEC=a@b.it\r\n");
        constexpr int each = 150;
        runTwoStations(QStringLiteral("ini"), file, each, folder.file(QStringLiteral("via")));
        if (QTest::currentTestFailed())
            return;

        IniFile ini(file);
        for (const char *station : {"A", "B"})
            for (int i = 0; i < each; ++i)
                QCOMPARE(ini.read(QStringLiteral("Prova"), QStringLiteral("%1 %2").arg(station).arg(i)),
                         QString::number(i));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("PEC")), QStringLiteral("a@b.it"));
        QVERIFY(folder.read(QStringLiteral("Contratti.ini")).startsWith("; impostazioni"));
    }

    // Another station holding the archive's lock past the patience: the write
    // fails (the screens show the archive error) and the file is untouched;
    // once the lock is gone the same write goes through. A reader's shared
    // lock keeps a writer out too: writes take the lock for themselves alone.
    void aLockHeldTooLongFailsTheWrite_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<FileLock::Kind>("held");
        QTest::newRow("append") << false << FileLock::Kind::Exclusive;
        QTest::newRow("overwrite") << true << FileLock::Kind::Exclusive;
        QTest::newRow("append, a reader holds it") << false << FileLock::Kind::Shared;
        QTest::newRow("overwrite, a reader holds it") << true << FileLock::Kind::Shared;
    }
    void aLockHeldTooLongFailsTheWrite() {
        QFETCH(bool, overwrite);
        QFETCH(FileLock::Kind, held);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Archivio_Appuntamenti.pro"));
        const QByteArray first = appointment(QStringLiteral("Uno")).bytes();
        folder.write(QStringLiteral("Archivio_Appuntamenti.pro"), first);
        FileLock::setPatienceMs(200);

        QFile other(path);
        QVERIFY(other.open(QIODevice::ReadWrite));
        auto holder = std::make_unique<FileLock>(other, held);
        QVERIFY(holder->isLocked());

        RecordFile file(path, int(first.size()));
        QVERIFY(file.open());
        const QByteArray second = appointment(QStringLiteral("Due")).bytes();
        QVERIFY(!(overwrite ? file.overwriteAt(0, second) : file.append(second)));
        QCOMPARE(folder.read(QStringLiteral("Archivio_Appuntamenti.pro")), first);

        holder.reset();
        QVERIFY(overwrite ? file.overwriteAt(0, second) : file.append(second));
        file.close();
        QCOMPARE(folder.read(QStringLiteral("Archivio_Appuntamenti.pro")),
                 overwrite ? second : first + second);
    }

    void aSettingsLockHeldTooLongFailsTheWrite() {
        TempProgramFolder folder;
        const QByteArray before = "[Ditta Pulizie]\r\nPEC=a@b.it\r\n";
        folder.write(QStringLiteral("Contratti.ini"), before);
        FileLock::setPatienceMs(200);
        QFile other(folder.file(QStringLiteral("Contratti.ini")));
        QVERIFY(other.open(QIODevice::ReadWrite));
        {
            FileLock held(other);
            QVERIFY(held.isLocked());
            IniFile ini(folder.file(QStringLiteral("Contratti.ini")));
            QVERIFY(
                !ini.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("PEC"), QStringLiteral("c@d.it")));
            QCOMPARE(folder.read(QStringLiteral("Contratti.ini")), before);
        }
        IniFile ini(folder.file(QStringLiteral("Contratti.ini")));
        QVERIFY(ini.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("PEC"), QStringLiteral("c@d.it")));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("PEC")), QStringLiteral("c@d.it"));
    }

    // Readers share the lock: a reader never keeps a writer out for long, and
    // two readers do not exclude each other.
    void readersShareTheLock() {
        TempProgramFolder folder;
        folder.write(QStringLiteral("x.ini"), "[A]\r\nB=1\r\n");
        QFile one(folder.file(QStringLiteral("x.ini"))), two(folder.file(QStringLiteral("x.ini")));
        QVERIFY(one.open(QIODevice::ReadOnly) && two.open(QIODevice::ReadOnly));
        FileLock::setPatienceMs(200);
        FileLock first(one, FileLock::Kind::Shared);
        FileLock second(two, FileLock::Kind::Shared);
        QVERIFY(first.isLocked() && second.isLocked());
        QFile writer(folder.file(QStringLiteral("x.ini")));
        QVERIFY(writer.open(QIODevice::ReadWrite));
        QVERIFY(!FileLock(writer).isLocked());
        first.release();
        second.release();
        QVERIFY(FileLock(writer).isLocked());
    }
};

QTEST_GUILESS_MAIN(TstConcurrentWrites)
#include "tst_concurrentwrites.moc"
