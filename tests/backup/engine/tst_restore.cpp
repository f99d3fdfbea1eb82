// A restore as one step: killed at any step, or stopped by a move that fails,
// the program folder ends wholly as it was or wholly as in the copy, and the
// next start says which; the journal that makes it so, and the order of the
// file-system steps that keeps every restored file on the disk.
#include "BackupFixture.h"
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupRestore.h"
#include "backup/engine/BackupWriter.h"
#include "backup/engine/RestoreJournal.h"
#include "backup/engine/RestoreRecovery.h"
#include "backup/engine/RestoreSwitch.h"
#include "core/files/FileLock.h"
#include "core/files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <QTemporaryDir>
#include <QTest>

using Backup::Failure;
using Kind = RestoreRecovery::Result::Kind;
using Tree = QHash<QString, QByteArray>;

namespace {
const QDateTime kMoment(QDate(2026, 12, 11), QTime(10, 15));
const QString kAside = QStringLiteral("Accantonati_2026-12-11_10-15");

// Every step recorded ("sync <path>", "move <from> > <to>", "folder <path>");
// from the failAt-th move on (0: never), each move fails.
class ScriptedSteps : public FileReplace::Steps {
public:
    explicit ScriptedSteps(int failAt = 0, bool failOnlyOnce = false)
        : m_failAt(failAt), m_once(failOnlyOnce) {
        FileReplace::setSteps(this);
    }
    ~ScriptedSteps() override { FileReplace::setSteps(nullptr); }
    bool syncToDisk(const QString &path) override {
        log << QStringLiteral("sync ") + path;
        return Steps::syncToDisk(path);
    }
    bool replace(const QString &from, const QString &to) override {
        ++moves;
        log << QStringLiteral("move ") + from + QStringLiteral(" > ") + to;
        if (m_failAt > 0 && (m_once ? moves == m_failAt : moves >= m_failAt))
            return false;
        return Steps::replace(from, to);
    }
    bool syncFolder(const QString &folder) override {
        log << QStringLiteral("folder ") + QDir::cleanPath(folder);
        return Steps::syncFolder(folder);
    }
    QStringList log;
    int moves = 0;

private:
    int m_failAt;
    bool m_once;
};

// The data files of a folder with their bytes, and whatever else the restore
// might leave there (its journal, its work folder, an aside folder).
Tree dataOf(const QString &folder) {
    Tree all = BackupFixture::tree(folder);
    for (const QString &name : BackupFixture::notDataFiles())
        all.remove(name);
    // What a crash leaves of a file being written goes at the start-up clean-up.
    for (const QString &name : all.keys())
        if (name.contains(QLatin1String(".~tersalia~")))
            all.remove(name);
    return all;
}

// A copy of one folder's data restored over another's: every file differs, the
// copy has a file the folder lacks, the folder one the copy lacks.
struct Scene {
    QTemporaryDir source, copies;
    QString copy, before;
    Tree newData;

    Scene() {
        newData = BackupFixture::fill(source.path(), false);
        copy = BackupWriter::write(source.path(), copies.path(), kMoment.addDays(-11)).zipPath;
    }
    // The folder as it is before the restore, made afresh.
    Tree makeCurrent(const QString &folder) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const Tree data = BackupFixture::fill(folder, false);
        for (auto it = data.cbegin(); it != data.cend(); ++it) {
            QFile f(QDir(folder).filePath(it.key()));
            f.open(QIODevice::Append);
            f.write("vecchio");
        }
        QFile::remove(QDir(folder).filePath(QStringLiteral("Documenti_Allegati/vuoto.txt")));
        QFile extra(QDir(folder).filePath(QStringLiteral("Servizi_Cliente_9.pro")));
        extra.open(QIODevice::WriteOnly);
        extra.write(QByteArray(117, 's'));
        extra.close();
        if (before.isEmpty())
            before = BackupWriter::write(folder, copies.path(), kMoment).zipPath;
        return dataOf(folder);
    }
    Tree expectedNew(const Tree &current) const {
        Tree t = newData;
        t[kAside + QStringLiteral("/Servizi_Cliente_9.pro")] =
            current.value(QStringLiteral("Servizi_Cliente_9.pro"));
        return t;
    }
    BackupManifest manifest() const { return BackupArchive::inspect(copy).manifest; }
};

int stopAt(const QString &folder, const Scene &scene, int step, int *taken = nullptr) {
    QProcess p;
    p.start(QStringLiteral(RESTORE_STOPPER), {folder, scene.copy, scene.before, QString::number(step)});
    if (!p.waitForFinished(60000))
        return -1;
    if (taken)
        *taken = p.readAllStandardOutput().trimmed().toInt();
    return p.exitCode();
}

QString side(const Tree &now, const Tree &oldData, const Tree &newData) {
    return now == oldData   ? QStringLiteral("old")
           : now == newData ? QStringLiteral("new")
                            : QStringLiteral("mixed");
}
} // namespace

class TstRestore : public QObject {
    Q_OBJECT
private slots:
    void killedAtAnyStepTheNextStartLeavesOneSide();
    void aMoveThatFailsPutsEveryFileBack_data();
    void aMoveThatFailsPutsEveryFileBack();
    void aRestoreThatCannotBeUndoneIsFinishedAtTheNextStart();
    void eachFileIsOnTheDiskBeforeTheNextStep();
    void anotherStationsRestoreIsLeftAlone();
    void journalRoundTripAndRefusals_data();
    void journalRoundTripAndRefusals();
};

void TstRestore::killedAtAnyStepTheNextStartLeavesOneSide() {
    Scene scene;
    QTemporaryDir place;
    const QString folder = place.path() + QStringLiteral("/programma");
    Tree oldData = scene.makeCurrent(folder);
    const Tree newData = scene.expectedNew(oldData);
    int steps = 0;
    QCOMPARE(stopAt(folder, scene, 1 << 30, &steps), 0);
    QCOMPARE(dataOf(folder), newData);
    QVERIFY(steps > 2 * scene.newData.size());

    QMap<Kind, int> outcomes;
    int mixed = 0;
    // Some thirty deaths spread over the whole restore, the last step among them.
    const int stride = std::max(1, steps / 30);
    for (int step = 1; step <= steps; step = step == steps ? steps + 1 : std::min(steps, step + stride)) {
        oldData = scene.makeCurrent(folder);
        QCOMPARE(stopAt(folder, scene, step), 9);
        mixed += side(dataOf(folder), oldData, newData) == QLatin1String("mixed");
        // The next start.
        const RestoreRecovery::Result r = RestoreRecovery::finish(folder);
        const QString now = side(dataOf(folder), oldData, newData);
        const QString where = QStringLiteral("killed at step %1 of %2: %3").arg(step).arg(steps).arg(now);
        switch (r.kind) {
        case Kind::Nothing: // died before its journal was in place
        case Kind::Unchanged:
            QVERIFY2(now == QLatin1String("old"), qPrintable(where));
            break;
        case Kind::Finished:
            QVERIFY2(now == QLatin1String("new"), qPrintable(where));
            QCOMPARE(r.asideFolder, kAside);
            break;
        default:
            QFAIL(qPrintable(where + QStringLiteral(", recovery %1").arg(int(r.kind))));
        }
        if (r.kind != Kind::Nothing) {
            QCOMPARE(r.copy, scene.copy);
            QCOMPARE(r.before, scene.before);
        }
        ++outcomes[r.kind];
        QCOMPARE(RestoreRecovery::finish(folder).kind, Kind::Nothing);
    }
    // Cut while reading, while moving (the folder then part old, part new) and
    // while clearing up: every kind of state was met.
    QVERIFY(outcomes[Kind::Unchanged] > 0);
    QVERIFY(outcomes[Kind::Finished] > 10);
    QVERIFY(mixed > 10);
}

void TstRestore::aMoveThatFailsPutsEveryFileBack_data() {
    QTest::addColumn<QString>("failing"); // what the move that fails moves
    QTest::addColumn<int>("failure");
    QTest::newRow("the journal") << RestoreJournal::fileName() << int(Failure::FolderNotWritable);
    QTest::newRow("the first file") << "/Precedenti/" << int(Failure::ReplaceFailed);
    QTest::newRow("a file halfway") << "/Precedenti/Contatti.pro" << int(Failure::ReplaceFailed);
    QTest::newRow("the file the copy lacks") << kAside << int(Failure::ReplaceFailed);
}

void TstRestore::aMoveThatFailsPutsEveryFileBack() {
    QFETCH(QString, failing);
    QFETCH(int, failure);
    Scene scene;
    QTemporaryDir folder;
    int at = 0;
    {
        // Which move it is, from a restore that goes through.
        scene.makeCurrent(folder.path());
        ScriptedSteps count;
        QVERIFY(BackupRestore::run(folder.path(), scene.copy, scene.manifest(), kMoment).outcome.ok());
        const QStringList moves = count.log.filter(QRegularExpression(QStringLiteral("^move ")));
        for (qsizetype i = 0; i < moves.size() && at == 0; ++i)
            if (moves[i].section(QStringLiteral(" > "), 1).contains(failing))
                at = int(i) + 1;
        QVERIFY(at > 0);
    }
    const Tree oldData = scene.makeCurrent(folder.path());
    ScriptedSteps steps(at, true);
    const BackupRestore::Result r =
        BackupRestore::run(folder.path(), scene.copy, scene.manifest(), kMoment, {}, scene.before);
    QCOMPARE(int(r.outcome.failure), failure);
    QVERIFY(!r.outcome.subject.isEmpty());
    QCOMPARE(r.undone, failure == int(Failure::ReplaceFailed));
    QVERIFY(!r.pending);
    QCOMPARE(dataOf(folder.path()), oldData);
    QVERIFY(!QFileInfo::exists(folder.filePath(RestoreJournal::fileName())));
}

void TstRestore::aRestoreThatCannotBeUndoneIsFinishedAtTheNextStart() {
    Scene scene;
    QTemporaryDir folder;
    const Tree oldData = scene.makeCurrent(folder.path());
    {
        // Every move from the ninth on fails: forward, and the way back too.
        ScriptedSteps steps(9);
        const BackupRestore::Result r =
            BackupRestore::run(folder.path(), scene.copy, scene.manifest(), kMoment, {}, scene.before);
        QCOMPARE(r.outcome.failure, Failure::ReplaceFailed);
        QVERIFY(r.pending && !r.undone);
    }
    QVERIFY(QFileInfo::exists(folder.filePath(RestoreJournal::fileName())));
    QCOMPARE(side(dataOf(folder.path()), oldData, scene.expectedNew(oldData)), QStringLiteral("mixed"));
    // A restore asked meanwhile is refused: the folder must be made whole first.
    QCOMPARE(BackupRestore::run(folder.path(), scene.copy, scene.manifest(), kMoment).outcome.failure,
             Failure::RestorePending);

    const RestoreRecovery::Result r = RestoreRecovery::finish(folder.path());
    QCOMPARE(r.kind, Kind::Finished);
    QCOMPARE(dataOf(folder.path()), scene.expectedNew(oldData));
    QVERIFY(!QFileInfo::exists(folder.filePath(RestoreJournal::fileName())));
    QVERIFY(!QFileInfo::exists(folder.filePath(RestoreSwitch::workFolderName())));
}

void TstRestore::eachFileIsOnTheDiskBeforeTheNextStep() {
    Scene scene;
    QTemporaryDir folder;
    scene.makeCurrent(folder.path());
    ScriptedSteps steps;
    const BackupManifest manifest = scene.manifest();
    QVERIFY(BackupRestore::run(folder.path(), scene.copy, manifest, kMoment).outcome.ok());
    const QStringList &log = steps.log;
    const QString root = QDir::cleanPath(folder.path());
    const QString work =
        root + QLatin1Char('/') + RestoreSwitch::workFolderName() + QStringLiteral("/Copia/");
    const QString journal = root + QLatin1Char('/') + RestoreJournal::fileName();
    const QStringList journalWrites = log.filter(
        QRegularExpression(QStringLiteral("^move .*> ") + QRegularExpression::escape(journal) + '$'));
    QCOMPARE(journalWrites.size(), 2); // reading, then moving
    const qsizetype moving = log.indexOf(journalWrites[1]);
    QVERIFY(log.indexOf(QStringLiteral("folder ") + root, moving) == moving + 1);
    for (const BackupEntry &e : manifest.entries) {
        const QString target = root + QLatin1Char('/') + e.path;
        // Written under its temporary name and synced, before the journal lets it move.
        const qsizetype synced = log.indexOf(QStringLiteral("sync ") + work + e.path);
        QVERIFY2(synced >= 0 && synced < moving, qPrintable(e.path));
        const qsizetype folderSynced =
            log.indexOf(QStringLiteral("folder ") + QFileInfo(work + e.path).absolutePath());
        QVERIFY2(folderSynced > synced && folderSynced < moving, qPrintable(e.path));
        // Moved in place, then its folder synced before anything else moves.
        const qsizetype moved =
            log.indexOf(QStringLiteral("move ") + work + e.path + QStringLiteral(" > ") + target);
        QVERIFY2(moved > moving, qPrintable(e.path));
        QCOMPARE(log.value(moved + 1), QStringLiteral("folder ") + QFileInfo(target).absolutePath());
    }
    // The journal goes last of all, once the work folder is gone.
    QVERIFY(log.last().startsWith(QStringLiteral("folder ") + root));
}

void TstRestore::anotherStationsRestoreIsLeftAlone() {
    Scene scene;
    QTemporaryDir folder;
    const Tree oldData = scene.makeCurrent(folder.path());
    RestoreJournal j;
    j.stage = RestoreJournal::Stage::Replacing;
    j.copy = scene.copy;
    j.asideFolder = kAside;
    for (auto it = scene.newData.cbegin(); it != scene.newData.cend(); ++it)
        j.restored.append(
            {it.key(), it.value().size(), BackupFixture::crcOf(it.value()), oldData.contains(it.key())});
    QFile journal(folder.filePath(RestoreJournal::fileName()));
    QVERIFY(journal.open(QIODevice::ReadWrite));
    QVERIFY(journal.write(j.toBytes()) > 0 && journal.flush());
    const Tree before = BackupFixture::tree(folder.path());
    {
        FileLock running(journal); // the other station, in the middle of its restore
        QVERIFY(running.isLocked());
        QCOMPARE(RestoreRecovery::finish(folder.path()).kind, Kind::Elsewhere);
        QCOMPARE(BackupRestore::run(folder.path(), scene.copy, scene.manifest(), kMoment).outcome.failure,
                 Failure::RestoreElsewhere);
        QCOMPARE(BackupFixture::tree(folder.path()), before);
    }
    journal.close();
    // Let go (that station died): the next start finishes it. Its copy's files
    // never reached the work folder, so it cannot: every file stays as it was.
    const RestoreRecovery::Result r = RestoreRecovery::finish(folder.path());
    QCOMPARE(r.kind, Kind::Undone);
    QCOMPARE(dataOf(folder.path()), oldData);
}

void TstRestore::journalRoundTripAndRefusals_data() {
    RestoreJournal j;
    j.stage = RestoreJournal::Stage::Replacing;
    j.copy = QStringLiteral("E:/Copie/Tersalia_Copia_2026-11-30_18-05.zip");
    j.before = QStringLiteral("E:/Copie/Tersalia_Copia_2026-12-11_10-15.zip");
    j.asideFolder = kAside;
    j.restored = {{QStringLiteral("Contatti.pro"), 3372, 0x1234abcd, true},
                  {QStringLiteral("Documenti_Allegati/Città Ωmega.pdf"), 0, 0, false}};
    j.setAside = {QStringLiteral("Servizi_Cliente_9.pro")};
    const QByteArray good = j.toBytes();
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("safe");
    QTest::newRow("as written") << good << true << true;
    QTest::newRow("cut before its end") << good.left(good.lastIndexOf("Fine")) << false << false;
    QTest::newRow("cut inside a line") << good.left(good.size() - 20) << false << false;
    QTest::newRow("a file less than counted")
        << QByteArray(good).replace("File da accantonare: 1", "File da accantonare: 2") << false << false;
    QTest::newRow("unknown stage") << QByteArray(good).replace("sostituzione dei file", "altro") << false
                                   << false;
    QTest::newRow("escape cut") << QByteArray(good).replace("\\u03a9mega", "\\u03") << false << false;
    QTest::newRow("a name leaving the folder")
        << QByteArray(good).replace("\tContatti.pro", "\t../Contatti.pro") << true << false;
    QTest::newRow("a file that is no data")
        << QByteArray(good).replace("\tContatti.pro", "\ttersalia.exe") << true << false;
    QTest::newRow("a CRC-32 cut short") << QByteArray(good).replace("1234ABCD", "1234ABC") << false << false;
    QTest::newRow("an aside folder elsewhere")
        << QByteArray(good).replace(kAside.toLatin1(), "../altrove") << true << false;
}

void TstRestore::journalRoundTripAndRefusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, whole);
    QFETCH(bool, safe);
    const std::optional<RestoreJournal> j = RestoreJournal::parse(bytes);
    QCOMPARE(j.has_value(), whole);
    if (!whole)
        return;
    QCOMPARE(RestoreSwitch::isSafe(*j), safe);
    QCOMPARE(j->toBytes(), bytes);
    if (safe) {
        QCOMPARE(j->restored.value(1).path, QStringLiteral("Documenti_Allegati/Città Ωmega.pdf"));
        QCOMPARE(j->restored.value(0).crc, 0x1234abcdu);
        QVERIFY(j->restored.value(0).replaces && !j->restored.value(1).replaces);
        QCOMPARE(j->setAside, QStringList{QStringLiteral("Servizi_Cliente_9.pro")});
        QCOMPARE(j->stage, RestoreJournal::Stage::Replacing);
    }
}

QTEST_MAIN(TstRestore)
#include "tst_restore.moc"
