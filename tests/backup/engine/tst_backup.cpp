// Backup copies of a program folder: what they hold, how they are checked, how
// a restore puts them back, and how both behave when something goes wrong.
#include "BackupFixture.h"
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupManifest.h"
#include "backup/engine/BackupRestore.h"
#include "backup/engine/BackupSelection.h"
#include "backup/engine/BackupWriter.h"
#include "core/files/FileLock.h"
#include "core/files/FileReplace.h"
#include "core/records/RecordLayout.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using Backup::Failure;

namespace {
using Entries = QList<QPair<QString, QByteArray>>;
const QDateTime kMoment(QDate(2026, 12, 10), QTime(9, 30));

QStringList zipFiles(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

// A folder on a small memory file system, full after a few kilobytes (root only).
class SmallDisk {
public:
    explicit SmallDisk(QString path) : m_path(std::move(path)) {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_path}) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_path;
    bool m_mounted = false;
};
} // namespace

class TstBackup : public QObject {
    Q_OBJECT
private slots:
    void selectionKeepsDataFilesOnly_data();
    void selectionKeepsDataFilesOnly();
    void manifestRoundTripAndRefusals_data();
    void manifestRoundTripAndRefusals();
    void copyRestoredIntoAnotherFolderIsByteIdentical();
    void pythonReadsTheCopyAndItsCrcs();
    void twoCopiesOfOneMinuteKeepBoth();
    void hostileArchivesAreRefusedAndWriteNothing_data();
    void hostileArchivesAreRefusedAndWriteNothing();
    void aCorruptedEntryIsFoundWhenRead();
    void readOnlyDestinationLeavesNothing();
    void fullDestinationLeavesNothing();
    void cancelledCopyLeavesNothing();
    void aFileHeldByAnotherStationStopsTheCopy();
    void appendsDuringTheCopyLeaveOnlyWholeRecords();
    void restoreCutAtAFileLeavesEveryFileAsItWas();
    void aCopyIsNeverWrittenInsideTheProgramFolder_data();
    void aCopyIsNeverWrittenInsideTheProgramFolder();
    void theCopyTakesItsNameOnlyWhenWholeAndOnTheDisk();
};

void TstBackup::selectionKeepsDataFilesOnly_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("data");
    QTest::addColumn<int>("recordSize");
    QTest::newRow("clients") << "Contatti.pro" << true << Archives::clients().size();
    QTest::newRow("appointments") << "Archivio_Appuntamenti.pro" << true << Archives::appointments().size();
    QTest::newRow("services") << "Servizi_Cliente_12.pro" << true << Archives::services().size();
    QTest::newRow("services, no number") << "Servizi_Cliente_.pro" << false << 0;
    QTest::newRow("work register") << "Archivio_Lavori/Lavori_Dipendente_CF_X.pro" << true
                                   << Archives::works().size();
    QTest::newRow("photo") << "Anagrafica/Scheda_Dipendente_3.jpg" << true << 0;
    QTest::newRow("attachment") << "Documenti_Allegati/Atto è firmato.pdf" << true << 0;
    QTest::newRow("settings") << "Contratti.ini" << true << 0;
    QTest::newRow("password store") << "unins000.dll" << true << 0;
    QTest::newRow("logo") << "Logo.bmp" << true << 0;
    QTest::newRow("backup settings") << "Salvataggio.ini" << false << 0;
    QTest::newRow("executable") << "tersalia.exe" << false << 0;
    QTest::newRow("library") << "Qt6Core.dll" << false << 0;
    QTest::newRow("manual") << "Guida.pdf" << false << 0;
    QTest::newRow("alarm") << "Avviso.mp3" << false << 0;
    QTest::newRow("export") << "Clienti.xls" << false << 0;
    QTest::newRow("other folder") << "translations/qtbase_it.qm" << false << 0;
    QTest::newRow("parent folder") << "Documenti_Allegati/../tersalia" << false << 0;
    QTest::newRow("absolute") << "/etc/passwd" << false << 0;
    QTest::newRow("drive letter") << "C:Contatti.pro" << false << 0;
    QTest::newRow("backslash") << "Documenti_Allegati\\..\\tersalia.exe" << false << 0;
    QTest::newRow("empty part") << "Documenti_Allegati//x" << false << 0;
    // A copy saved into the data would be in every later copy and come back with a restore.
    QTest::newRow("a copy among the photos")
        << "Anagrafica/Tersalia_Copia_2026-12-10_09-30.zip" << false << 0;
    QTest::newRow("a copy among the attachments")
        << "Documenti_Allegati/Tersalia_Copia_2026-12-10_09-30_2.zip" << false << 0;
    QTest::newRow("what libzip left of a copy")
        << "Documenti_Allegati/Tersalia_Copia_2026-12-10_09-30.zip.d7u2kv" << false << 0;
    QTest::newRow("a file being written")
        << "Anagrafica/Scheda_Dipendente_1.jpg.~tersalia~Q9x8Z7" << false << 0;
    QTest::newRow("a settings file being written") << "Contratti.ini.~tersalia~a1B2c3" << false << 0;
    QTest::newRow("an attachment being copied")
        << "Documenti_Allegati/~Tersalia_copia_a1B2c3.tmp" << false << 0;
    QTest::newRow("an attachment named alike") << "Documenti_Allegati/Tersalia_Copia_note.txt" << true << 0;
}

void TstBackup::selectionKeepsDataFilesOnly() {
    QFETCH(QString, path);
    QFETCH(bool, data);
    QFETCH(int, recordSize);
    QCOMPARE(BackupSelection::isDataFile(path), data);
    if (data)
        QCOMPARE(BackupSelection::recordSize(path), recordSize);
}

void TstBackup::manifestRoundTripAndRefusals_data() {
    BackupManifest m;
    m.made = kMoment;
    m.version = QStringLiteral("1.0");
    m.entries = {{QStringLiteral("Contatti.pro"), 3372, 0x1234abcd},
                 {QStringLiteral("Documenti_Allegati/Città è ok.pdf"), 0, 0},
                 {QStringLiteral("Documenti_Allegati/Ωmega\\x.txt"), 8, 0xffffffff}};
    const QByteArray good = m.toBytes();
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("as written") << good << true;
    QTest::newRow("cut short") << good.left(good.size() - 10) << false;
    QTest::newRow("one line less") << good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2) << false;
    QTest::newRow("count changed") << QByteArray(good).replace("File: 3", "File: 4") << false;
    QTest::newRow("size not a number") << QByteArray(good).replace("3372\t", "33x2\t") << false;
    QTest::newRow("crc too short") << QByteArray(good).replace("1234ABCD", "1234ABC") << false;
    QTest::newRow("bad escape") << QByteArray(good).replace("\\u03a9", "\\u03") << false;
    QTest::newRow("escape cut at the line's end")
        << QByteArray(good).replace("\\u03a9mega\\\\x.txt", "\\u03") << false;
    QTest::newRow("escape with a sign") << QByteArray(good).replace("\\u03a9", "\\u+3a9") << false;
    QTest::newRow("escape with a blank") << QByteArray(good).replace("\\u03a9", "\\u 3a9") << false;
    QTest::newRow("lone backslash at the end")
        << QByteArray(good).replace("\\u03a9mega\\\\x.txt", "omega\\") << false;
    QTest::newRow("half a surrogate pair") << QByteArray(good).replace("\\u03a9", "\\ud800") << false;
    QTest::newRow("same file twice") << QByteArray(good).replace("Documenti_Allegati/Citt\xe0 \xe8 ok.pdf",
                                                                 "Contatti.pro")
                                     << false;
    QTest::newRow("no title") << good.mid(good.indexOf('\n') + 1) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TstBackup::manifestRoundTripAndRefusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    const std::optional<BackupManifest> m = BackupManifest::parse(bytes);
    QCOMPARE(m.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(m->made, kMoment);
    QCOMPARE(m->entries.size(), 3);
    QCOMPARE(m->entries[1].path, QStringLiteral("Documenti_Allegati/Città è ok.pdf"));
    QCOMPARE(m->entries[2].path, QStringLiteral("Documenti_Allegati/Ωmega\\x.txt"));
    QCOMPARE(m->entries[2].crc, 0xffffffffu);
    QCOMPARE(m->toBytes(), bytes);
}

void TstBackup::copyRestoredIntoAnotherFolderIsByteIdentical() {
    QTemporaryDir from, to, copies;
    const QHash<QString, QByteArray> data = BackupFixture::fill(from.path());
    const BackupWriter::Result written = BackupWriter::write(from.path(), copies.path(), kMoment);
    QVERIFY2(written.outcome.ok(), qPrintable(written.outcome.subject));
    QCOMPARE(written.files, data.size());
    QCOMPARE(zipFiles(copies.path()), QStringList{QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip")});
    QCOMPARE(written.zipPath,
             QDir(copies.path()).filePath(QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip")));

    // The other folder holds older data, a services file the copy lacks and the program.
    QDir().mkpath(to.path() + QStringLiteral("/Documenti_Allegati"));
    const QHash<QString, QByteArray> older = {{QStringLiteral("Contatti.pro"), QByteArray(3372, 'v')},
                                              {QStringLiteral("Servizi_Cliente_9.pro"), QByteArray(117, 's')},
                                              {QStringLiteral("Documenti_Allegati/solo qui.pdf"), "allegato"},
                                              {QStringLiteral("tersalia"), "programma"}};
    for (auto it = older.cbegin(); it != older.cend(); ++it) {
        QFile f(QDir(to.path()).filePath(it.key()));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(it.value()) == it.value().size());
    }

    const BackupArchive::Inspection copy = BackupArchive::inspect(written.zipPath);
    QVERIFY(copy.outcome.ok());
    QCOMPARE(copy.manifest.made, kMoment);
    QCOMPARE(copy.manifest.version, QStringLiteral(TERSALIA_VERSION));
    const QDateTime restoredAt(QDate(2026, 12, 11), QTime(8, 0));
    const BackupRestore::Result r = BackupRestore::run(to.path(), written.zipPath, copy.manifest, restoredAt);
    QVERIFY2(r.outcome.ok(), qPrintable(r.outcome.subject));
    QCOMPARE(r.replaced, data.size());
    QCOMPARE(r.setAside, 2);
    QCOMPARE(r.asideFolder, QStringLiteral("Accantonati_2026-12-11_08-00"));

    QHash<QString, QByteArray> expected = data;
    expected[QStringLiteral("tersalia")] = "programma";
    expected[r.asideFolder + QStringLiteral("/Servizi_Cliente_9.pro")] = QByteArray(117, 's');
    expected[r.asideFolder + QStringLiteral("/Documenti_Allegati/solo qui.pdf")] = "allegato";
    const QHash<QString, QByteArray> restored = BackupFixture::tree(to.path());
    QCOMPARE(QStringList(restored.keys()).count(), expected.size());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(restored.value(it.key(), "(missing)") == it.value(), qPrintable(it.key()));
    QVERIFY(!QDir(to.path()).exists(BackupRestore::workFolderName()));
}

void TstBackup::pythonReadsTheCopyAndItsCrcs() {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir from, copies;
    const QHash<QString, QByteArray> data = BackupFixture::fill(from.path(), false);
    const BackupWriter::Result written = BackupWriter::write(from.path(), copies.path(), kMoment);
    QVERIFY(written.outcome.ok());
    QProcess p;
    p.start(python, {QStringLiteral("-c"),
                     QStringLiteral("import sys, zipfile\n"
                                    "z = zipfile.ZipFile(sys.argv[1])\n"
                                    "bad = z.testzip()\n"
                                    "print('bad:' + str(bad))\n"
                                    "for i in z.infolist(): print('%d %s' % (i.file_size, i.filename))\n"),
                     written.zipPath});
    QVERIFY(p.waitForFinished(30000));
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(lines.value(0), QStringLiteral("bad:None"));
    QStringList names;
    for (const QString &line : lines.mid(1)) {
        const QString name = line.section(QLatin1Char(' '), 1);
        names.append(name);
        if (name != BackupManifest::fileName())
            QCOMPARE(line.section(QLatin1Char(' '), 0, 0).toLongLong(), qint64(data.value(name).size()));
    }
    QStringList expected = data.keys();
    expected.append(BackupManifest::fileName());
    expected.sort();
    names.sort();
    QCOMPARE(names, expected);
}

void TstBackup::twoCopiesOfOneMinuteKeepBoth() {
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path(), false);
    const BackupWriter::Result first = BackupWriter::write(from.path(), copies.path(), kMoment);
    const QByteArray firstBytes = [&] {
        QFile f(first.zipPath);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const BackupWriter::Result second = BackupWriter::write(from.path(), copies.path(), kMoment);
    QVERIFY(first.outcome.ok() && second.outcome.ok());
    QCOMPARE(QFileInfo(second.zipPath).fileName(), QStringLiteral("Tersalia_Copia_2026-12-10_09-30_2.zip"));
    QFile f(first.zipPath);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), firstBytes);
}

void TstBackup::hostileArchivesAreRefusedAndWriteNothing_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<bool>("withList");
    QTest::addColumn<bool>("wrongCrc");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<Entries>("listedOnly"); // named on the list, not in the archive
    const QPair<QString, QByteArray> clients{QStringLiteral("Contatti.pro"), QByteArray(3372, 'n')};
    QTest::newRow("parent folder") << Entries{clients, {QStringLiteral("../x"), "fuori"}} << true << false
                                   << int(Failure::UnsafePath) << "../x" << Entries{};
    QTest::newRow("parent inside a data folder")
        << Entries{{QStringLiteral("Documenti_Allegati/../../x"), "fuori"}} << true << false
        << int(Failure::UnsafePath) << "Documenti_Allegati/../../x" << Entries{};
    QTest::newRow("absolute") << Entries{{QStringLiteral("/etc/x"), "fuori"}, clients} << true << false
                              << int(Failure::UnsafePath) << "/etc/x" << Entries{};
    QTest::newRow("drive letter") << Entries{{QStringLiteral("C:\\x"), "fuori"}} << true << false
                                  << int(Failure::UnsafePath) << "C:\\x" << Entries{};
    QTest::newRow("the program itself")
        << Entries{clients, {QStringLiteral("tersalia"), "altro programma"}} << true << false
        << int(Failure::NotDataFile) << "tersalia" << Entries{};
    QTest::newRow("wrong CRC-32 on the list")
        << Entries{clients, {QStringLiteral("Logo.bmp"), "logo"}} << true << true << int(Failure::Damaged)
        << "Contatti.pro" << Entries{};
    QTest::newRow("no list") << Entries{clients} << false << false << int(Failure::NoManifest) << ""
                             << Entries{};
    QTest::newRow("a listed file missing from the archive")
        << Entries{clients} << true << false << int(Failure::Damaged) << "Logo.bmp"
        << Entries{{QStringLiteral("Logo.bmp"), "logo"}};
}

void TstBackup::hostileArchivesAreRefusedAndWriteNothing() {
    QFETCH(Entries, entries);
    QFETCH(bool, withList);
    QFETCH(bool, wrongCrc);
    QFETCH(int, failure);
    QFETCH(QString, subject);
    QTemporaryDir outside;
    const QString program = outside.path() + QStringLiteral("/programma");
    QVERIFY(QDir().mkpath(program));
    {
        QFile current(program + QStringLiteral("/Contatti.pro"));
        QVERIFY(current.open(QIODevice::WriteOnly) && current.write(QByteArray(3372, 'c')) == 3372);
    }
    const QString zip = outside.path() + QStringLiteral("/ostile.zip");
    QFETCH(Entries, listedOnly);
    QVERIFY(BackupFixture::writeZip(zip, entries, withList, wrongCrc, listedOnly));
    const QHash<QString, QByteArray> before = BackupFixture::tree(outside.path());

    const BackupArchive::Inspection copy = BackupArchive::inspect(zip);
    QCOMPARE(int(copy.outcome.failure), failure);
    QCOMPARE(copy.outcome.subject, subject);
    QCOMPARE(BackupFixture::tree(outside.path()), before);
    QVERIFY(!QFile::exists(QStringLiteral("/etc/x")));
}

void TstBackup::aCorruptedEntryIsFoundWhenRead() {
    // A bit flipped in a file's bytes: its directory still names the old CRC-32,
    // so only reading the bytes finds it, as the check after writing does.
    QTemporaryDir from, copies, to;
    BackupFixture::fill(from.path(), false);
    const BackupWriter::Result written = BackupWriter::write(from.path(), copies.path(), kMoment);
    QVERIFY(written.outcome.ok());
    QFile zip(written.zipPath);
    QVERIFY(zip.open(QIODevice::ReadWrite));
    QByteArray bytes = zip.readAll();
    const qsizetype at = bytes.indexOf("Pulizie Rapide");
    QVERIFY(at > 0);
    bytes[at] = 'p';
    zip.seek(0);
    zip.write(bytes);
    zip.close();
    const BackupArchive::Inspection copy = BackupArchive::inspect(written.zipPath);
    QVERIFY(copy.outcome.ok());
    const BackupRestore::Result r = BackupRestore::run(to.path(), written.zipPath, copy.manifest, kMoment);
    QCOMPARE(r.outcome.failure, Failure::Damaged);
    QCOMPARE(r.outcome.subject, QStringLiteral("Contratti.ini"));
    QCOMPARE(r.replaced, 0);
    QVERIFY(BackupFixture::tree(to.path()).isEmpty());
}

void TstBackup::readOnlyDestinationLeavesNothing() {
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path(), false);
    ReadOnlyPath readOnly(copies.path());
    if (!readOnly.ok())
        QSKIP("no way to make a folder read-only here");
    const BackupWriter::Result r = BackupWriter::write(from.path(), copies.path(), kMoment);
    QCOMPARE(r.outcome.failure, Failure::FolderNotWritable);
    QCOMPARE(r.outcome.subject, copies.path());
    QVERIFY(zipFiles(copies.path()).isEmpty());
    const BackupWriter::Result missing =
        BackupWriter::write(from.path(), copies.path() + QStringLiteral("/no"), kMoment);
    QCOMPARE(missing.outcome.failure, Failure::FolderNotWritable);
}

void TstBackup::fullDestinationLeavesNothing() {
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path(), false);
    SmallDisk disk(copies.path());
    if (!disk.mounted())
        QSKIP("a memory file system cannot be mounted here (root only)");
    const BackupWriter::Result r = BackupWriter::write(from.path(), copies.path(), kMoment);
    QCOMPARE(r.outcome.failure, Failure::DiskFull);
    QVERIFY2(zipFiles(copies.path()).isEmpty(), qPrintable(zipFiles(copies.path()).join(' ')));
}

void TstBackup::cancelledCopyLeavesNothing() {
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path());
    qint64 seen = 0;
    const BackupWriter::Result r =
        BackupWriter::write(from.path(), copies.path(), kMoment, [&seen](qint64 done, qint64 total) {
            seen = done;
            return done < total / 4;
        });
    QCOMPARE(r.outcome.failure, Failure::Cancelled);
    QVERIFY(seen > 0);
    QVERIFY(zipFiles(copies.path()).isEmpty());
}

void TstBackup::aFileHeldByAnotherStationStopsTheCopy() {
    // A station that keeps its write lock past the patience: the copy names the
    // file it could not read and leaves nothing.
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path(), false);
    QFile held(QDir(from.path()).filePath(QStringLiteral("Contatti.pro")));
    QVERIFY(held.open(QIODevice::ReadWrite));
    FileLock lock(held);
    QVERIFY(lock.isLocked());
    const int patience = FileLock::setPatienceMs(50);
    const BackupWriter::Result r = BackupWriter::write(from.path(), copies.path(), kMoment);
    FileLock::setPatienceMs(patience);
    QCOMPARE(r.outcome.failure, Failure::FileUnreadable);
    QCOMPARE(r.outcome.subject, QStringLiteral("Contatti.pro"));
    QVERIFY(zipFiles(copies.path()).isEmpty());
}

void TstBackup::appendsDuringTheCopyLeaveOnlyWholeRecords() {
    QTemporaryDir from, copies;
    const RecordLayout &layout = Archives::appointments();
    const QString archive = QDir(from.path()).filePath(layout.fileName());
    {
        // Earlier records of the same station, so the copy reads several blocks.
        QFile f(archive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        Record r(layout);
        r.set("Contatto", QStringLiteral("A"));
        QByteArray all;
        for (int i = 0; i < 8000; ++i) {
            r.set("Note", QStringLiteral("prima %1").arg(i));
            all += r.bytes();
        }
        QVERIFY(f.write(all) == all.size());
    }
    const QString go = QDir(from.path()).filePath(QStringLiteral("via"));
    QProcess writer;
    writer.start(QStringLiteral(CONCURRENT_WRITER),
                 {QStringLiteral("append"), archive, QStringLiteral("A"), QStringLiteral("1000"), go});
    QVERIFY(writer.waitForStarted());
    QFile(go).open(QIODevice::WriteOnly);
    // The copy starts while the other station is in the middle of its appends.
    QDeadlineTimer appending(30000);
    while (QFileInfo(archive).size() < 8100 * layout.size() && !appending.hasExpired())
        QThread::usleep(100);
    const BackupWriter::Result r =
        BackupWriter::write(from.path(), copies.path(), kMoment, [&](qint64, qint64) {
            QThread::usleep(50); // a slow network share: the writer gets in between blocks
            return true;
        });
    QVERIFY(writer.waitForFinished(120000));
    QCOMPARE(writer.exitCode(), 0);
    QVERIFY2(r.outcome.ok(), qPrintable(r.outcome.subject));

    QTemporaryDir to;
    const BackupArchive::Inspection copy = BackupArchive::inspect(r.zipPath);
    QVERIFY(copy.outcome.ok());
    QVERIFY(BackupArchive::read(r.zipPath, copy.manifest, to.path(), {}).ok());
    QFile f(QDir(to.path()).filePath(layout.fileName()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.size() % layout.size(), 0);
    const qsizetype count = bytes.size() / layout.size();
    QVERIFY2(count > 8000 && count <= 9000, qPrintable(QString::number(count)));
    Record rec(layout);
    for (qsizetype n = 0; n < count; ++n) {
        rec.bytes() = bytes.mid(n * layout.size(), layout.size());
        QCOMPARE(rec.get("Contatto"), QStringLiteral("A"));
        QCOMPARE(rec.get("Note"), n < 8000 ? QStringLiteral("prima %1").arg(n) : QString::number(n - 8000));
    }
}

void TstBackup::restoreCutAtAFileLeavesEveryFileAsItWas() {
    QTemporaryDir from, to, copies;
    const QHash<QString, QByteArray> data = BackupFixture::fill(from.path(), false);
    const BackupWriter::Result written = BackupWriter::write(from.path(), copies.path(), kMoment);
    QVERIFY(written.outcome.ok());
    const QHash<QString, QByteArray> old = BackupFixture::fill(to.path(), false);
    // Another station's program holds Contatti.pro in a way that forbids replacing it:
    // here a folder stands where the file should be replaced.
    QDir(to.path()).remove(QStringLiteral("Contatti.pro"));
    QVERIFY(QDir(to.path()).mkpath(QStringLiteral("Contatti.pro/aperto")));
    // Make the old data differ from the copy everywhere.
    QHash<QString, QByteArray> before;
    for (auto it = old.cbegin(); it != old.cend(); ++it) {
        if (it.key() == QStringLiteral("Contatti.pro"))
            continue;
        QFile f(QDir(to.path()).filePath(it.key()));
        QVERIFY(f.open(QIODevice::Append));
        f.write("vecchio");
        before[it.key()] = it.value() + "vecchio";
    }
    const BackupArchive::Inspection copy = BackupArchive::inspect(written.zipPath);
    const BackupRestore::Result r = BackupRestore::run(to.path(), written.zipPath, copy.manifest, kMoment);
    QCOMPARE(r.outcome.failure, Failure::ReplaceFailed);
    QCOMPARE(r.outcome.subject, QStringLiteral("Contatti.pro"));
    // Files of the copy had been put in place before it: all of them went back.
    QVERIFY(r.undone && !r.pending);
    QCOMPARE(r.replaced, 0);
    const QHash<QString, QByteArray> after = BackupFixture::tree(to.path());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
    QVERIFY(QFileInfo(QDir(to.path()).filePath(QStringLiteral("Contatti.pro/aperto"))).isDir());
    QVERIFY(!QDir(to.path()).exists(BackupRestore::workFolderName()));
    QVERIFY(!QDir(to.path()).exists(QStringLiteral("Ripristino_in_corso.txt")));
}

void TstBackup::aCopyIsNeverWrittenInsideTheProgramFolder_data() {
    QTest::addColumn<QString>("destination"); // under the folder holding "programma"
    QTest::addColumn<bool>("refused");
    QTest::newRow("the program folder") << "programma" << true;
    QTest::newRow("its data folder") << "programma/Anagrafica" << true;
    QTest::newRow("deeper inside") << "programma/Documenti_Allegati/copie" << true;
    QTest::newRow("through a link") << "collegamento" << true;
    QTest::newRow("through a link, inside") << "collegamento/Anagrafica" << true;
    QTest::newRow("by a roundabout way") << "altrove/../programma/Anagrafica" << true;
    QTest::newRow("a folder whose name begins alike") << "programma2" << false;
    QTest::newRow("beside it") << "altrove" << false;
}

void TstBackup::aCopyIsNeverWrittenInsideTheProgramFolder() {
    QFETCH(QString, destination);
    QFETCH(bool, refused);
    QTemporaryDir place;
    const QDir at(place.path());
    const QString program = at.filePath(QStringLiteral("programma"));
    BackupFixture::fill(program, false);
    for (const char *folder : {"programma/Documenti_Allegati/copie", "programma2", "altrove"})
        QVERIFY(at.mkpath(QLatin1String(folder)));
    QVERIFY(QFile::link(program, at.filePath(QStringLiteral("collegamento"))));
    const QString folder = at.filePath(destination);
    const QHash<QString, QByteArray> before = BackupFixture::tree(program);

    const BackupWriter::Result r = BackupWriter::write(program, folder, kMoment);
    QCOMPARE(BackupWriter::isInsideProgramFolder(folder, program), refused);
    if (refused) {
        QCOMPARE(r.outcome.failure, Failure::InsideProgramFolder);
        QCOMPARE(r.outcome.subject, folder);
        QCOMPARE(BackupFixture::tree(program), before);
    } else {
        QVERIFY(r.outcome.ok());
        QCOMPARE(QFileInfo(r.zipPath).absolutePath(), QFileInfo(folder).absoluteFilePath());
    }
}

void TstBackup::theCopyTakesItsNameOnlyWhenWholeAndOnTheDisk() {
    // Every step recorded; what the destination holds looked at while the copy is written.
    struct Recording : FileReplace::Steps {
        QStringList log;
        bool syncToDisk(const QString &path) override {
            log << QStringLiteral("sync ") + path;
            return Steps::syncToDisk(path);
        }
        bool replace(const QString &from, const QString &to) override {
            log << QStringLiteral("move ") + from + QStringLiteral(" > ") + to;
            return Steps::replace(from, to);
        }
        bool syncFolder(const QString &folder) override {
            log << QStringLiteral("folder ") + QDir::cleanPath(folder);
            return Steps::syncFolder(folder);
        }
    } steps;
    QTemporaryDir from, copies;
    BackupFixture::fill(from.path(), false);
    QSet<QString> seen;
    FileReplace::setSteps(&steps);
    const BackupWriter::Result r =
        BackupWriter::write(from.path(), copies.path(), kMoment, [&](qint64, qint64) {
            for (const QString &name : zipFiles(copies.path()))
                seen.insert(name);
            return true;
        });
    FileReplace::setSteps(nullptr);
    QVERIFY(r.outcome.ok());
    // While it was written and checked, only the program's own locked temporary was there.
    QCOMPARE(seen.size(), 1);
    const QString temporary = copies.filePath(*seen.begin());
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^Tersalia_Copia_2026-12-10_09-30\\.zip\\.~tersalia~[A-Za-z0-9]{6}$"))
                 .match(*seen.begin())
                 .hasMatch(),
             qPrintable(*seen.begin()));
    const qsizetype synced = steps.log.indexOf(QStringLiteral("sync ") + temporary);
    const qsizetype renamed =
        steps.log.indexOf(QStringLiteral("move ") + temporary + QStringLiteral(" > ") + r.zipPath);
    const qsizetype folderSynced =
        steps.log.indexOf(QStringLiteral("folder ") + QDir::cleanPath(copies.path()), renamed);
    QVERIFY(synced >= 0);
    QVERIFY(renamed > synced);
    QVERIFY(folderSynced > renamed);
    QCOMPARE(zipFiles(copies.path()), QStringList{QFileInfo(r.zipPath).fileName()});
}

QTEST_MAIN(TstBackup)
#include "tst_backup.moc"
