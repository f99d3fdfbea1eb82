#include "backup/engine/BackupWriter.h"

#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupManifest.h"
#include "backup/engine/BackupSelection.h"
#include "core/files/FileLock.h"
#include "backup/engine/HeldTemporary.h"
#include "backup/engine/ZipFileSink.h"
#include "core/files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <future>
#include <memory>
#include <vector>
#include <zip.h>
#include <zlib.h>

using Backup::Failure;

namespace {

// What the sources of one copy share: the progress and the first file that failed.
struct Run {
    Backup::Progress progress;
    qint64 done = 0, total = 0;
    bool cancelled = false;
    QString unreadable;
};

// One data file, read as libzip asks for it.
struct FileSource {
    Run *run;
    BackupSelection::DataFile file;
    QString absolute;
    QFile handle;
    QByteArray block;
    qsizetype blockPos = 0;
    qint64 length = 0, copied = 0;
    uLong crc = 0;
    std::future<uLong> pendingCrc;
    bool closed = false;
    zip_error_t error;

    // Whole records per block, about 4 MB: the lock is held for one block only.
    qint64 blockBytes() const {
        const qint64 unit = file.recordSize > 0 ? file.recordSize : 1;
        return std::max<qint64>(1, (4 << 20) / unit) * unit;
    }

    bool fail(int code) {
        zip_error_set(&error, code, 0);
        if (code != ZIP_ER_CANCELLED && run->unreadable.isEmpty())
            run->unreadable = file.path;
        return false;
    }

    bool open() {
        handle.setFileName(absolute);
        if (!handle.open(QIODevice::ReadOnly))
            return fail(ZIP_ER_OPEN);
        // The length is taken under the lock: no append is half done then.
        FileLock lock(handle, FileLock::Kind::Shared);
        if (!lock.isLocked())
            return fail(ZIP_ER_READ);
        length = handle.size();
        copied = 0;
        crc = crc32(0, nullptr, 0);
        block.clear();
        blockPos = 0;
        return true;
    }

    // The CRC-32 of a block is taken on the other core while libzip copies it.
    void waitForCrc() {
        if (pendingCrc.valid())
            crc = pendingCrc.get();
    }

    bool refill() {
        waitForCrc();
        const qint64 want = std::min(blockBytes(), length - copied);
        block.resize(qsizetype(want));
        FileLock lock(handle, FileLock::Kind::Shared);
        if (!lock.isLocked() || !handle.seek(copied) || handle.read(block.data(), want) != want)
            return fail(ZIP_ER_READ);
        lock.release();
        pendingCrc = std::async(std::launch::async, [start = crc, data = block.constData(), want]() {
            return crc32(start, reinterpret_cast<const Bytef *>(data), uInt(want));
        });
        blockPos = 0;
        return true;
    }

    void close() {
        waitForCrc();
        handle.close();
        closed = copied == length;
    }
    time_t mtime() const { return QFileInfo(absolute).lastModified().toSecsSinceEpoch(); }

    zip_int64_t read(void *data, zip_uint64_t len) {
        if (blockPos == block.size()) {
            if (copied == length)
                return 0;
            if (!refill())
                return -1;
        }
        const qsizetype n = std::min<qsizetype>(qsizetype(len), block.size() - blockPos);
        std::memcpy(data, block.constData() + blockPos, size_t(n));
        blockPos += n;
        copied += n;
        run->done += n;
        if (run->progress && !run->progress(run->done, run->total)) {
            run->cancelled = true;
            fail(ZIP_ER_CANCELLED);
            return -1;
        }
        return n;
    }
};

// The list, made when libzip reaches it: after every data file was copied.
struct ListSource {
    const std::vector<std::unique_ptr<FileSource>> *files;
    QDateTime moment;
    QByteArray bytes;
    qsizetype pos = 0;
    zip_error_t error;

    bool open() {
        BackupManifest m;
        m.made = moment;
        m.version = QStringLiteral(TERSALIA_VERSION);
        for (const auto &f : *files) {
            if (!f->closed) {
                zip_error_set(&error, ZIP_ER_INTERNAL, 0);
                return false;
            }
            m.entries.append({f->file.path, f->copied, quint32(f->crc)});
        }
        bytes = m.toBytes();
        pos = 0;
        return true;
    }
    zip_int64_t read(void *data, zip_uint64_t len) {
        const qsizetype n = std::min<qsizetype>(qsizetype(len), bytes.size() - pos);
        std::memcpy(data, bytes.constData() + pos, size_t(n));
        pos += n;
        return n;
    }
    void close() {}
    time_t mtime() const { return moment.toSecsSinceEpoch(); }
};

// One libzip source over either kind above: each offers open(), read(),
// close() and mtime().
template <class Source>
zip_int64_t callback(void *state, void *data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto *s = static_cast<Source *>(state);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        return s->open() ? 0 : -1;
    case ZIP_SOURCE_READ:
        return s->read(data, len);
    case ZIP_SOURCE_CLOSE:
        s->close();
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &s->error);
        if (!st)
            return -1;
        zip_stat_init(st);
        st->mtime = s->mtime();
        st->valid |= ZIP_STAT_MTIME;
        return sizeof(*st);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, len);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&s->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

bool add(zip_t *za, const QString &name, zip_source_callback callback, void *state) {
    zip_source_t *src = zip_source_function(za, callback, state);
    if (!src)
        return false;
    const zip_int64_t index = zip_file_add(za, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(src);
        return false;
    }
    return zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_STORE, 0) == 0;
}

// The folder itself or any folder inside it, however it is spelled: through a
// link, with "..", or in another letter case where the file system ignores it.
bool liesInside(const QString &folder, const QString &outer) {
    const QString inner = QFileInfo(folder).canonicalFilePath();
    const QString root = QFileInfo(outer).canonicalFilePath();
    if (inner.isEmpty() || root.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return inner.compare(root, cs) == 0 ||
           inner.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'), cs);
}

bool noRoom(int systemError) {
#ifdef EDQUOT
    if (systemError == EDQUOT)
        return true;
#endif
    return systemError == ENOSPC || systemError == EFBIG;
}

} // namespace

namespace BackupWriter {

QString fileName(const QDateTime &moment, int n) {
    return QStringLiteral("Tersalia_Copia_") + moment.toString(QStringLiteral("yyyy-MM-dd_HH-mm")) +
           (n > 1 ? QStringLiteral("_%1").arg(n) : QString()) + QStringLiteral(".zip");
}

bool isInsideProgramFolder(const QString &folder, const QString &programFolder) {
    return liesInside(folder, programFolder);
}

Result write(const QString &programFolder, const QString &destinationFolder, const QDateTime &moment,
             const Backup::Progress &progress) {
    Result r;
    const auto fail = [&r](Failure f, const QString &subject) {
        r.outcome = {f, subject};
        r.zipPath.clear();
        return r;
    };
    const QDir destination(destinationFolder);
    if (!destination.exists())
        return fail(Failure::FolderNotWritable, destinationFolder);
    // Every later copy would hold this one, and a restore would bring it back.
    if (liesInside(destinationFolder, programFolder))
        return fail(Failure::InsideProgramFolder, destinationFolder);
    const auto freeName = [&destination, &moment]() {
        int n = 1;
        while (destination.exists(fileName(moment, n)))
            ++n;
        return destination.filePath(fileName(moment, n));
    };

    Run run;
    run.progress = progress;
    std::vector<std::unique_ptr<FileSource>> files;
    const QDir root(programFolder);
    for (const BackupSelection::DataFile &f : BackupSelection::list(programFolder)) {
        auto s = std::make_unique<FileSource>();
        s->run = &run;
        s->file = f;
        s->absolute = root.filePath(f.path);
        zip_error_init(&s->error);
        run.total += 2 * QFileInfo(s->absolute).size(); // copied once, then read back
        files.push_back(std::move(s));
    }
    ListSource list;
    list.files = &files;
    list.moment = moment;
    zip_error_init(&list.error);
    const auto finiErrors = [&files, &list]() {
        for (const auto &f : files)
            zip_error_fini(&f->error);
        zip_error_fini(&list.error);
    };

    // Every byte goes into the program's own locked temporary beside the copy's
    // name; the name itself appears only once the copy is whole, synced and checked.
    HeldTemporary copy(freeName());
    if (!copy.open()) {
        finiErrors();
        return fail(copy.file().error() == QFileDevice::ResourceError ? Failure::DiskFull
                                                                      : Failure::FolderNotWritable,
                    destinationFolder);
    }
    zip_error_t openError;
    zip_error_init(&openError);
    zip_source_t *sink = ZipFileSink::create(copy.file(), &openError);
    zip_t *za = sink ? zip_open_from_source(sink, ZIP_CREATE | ZIP_TRUNCATE, &openError) : nullptr;
    zip_error_fini(&openError);
    if (!za) {
        if (sink)
            zip_source_free(sink);
        finiErrors();
        return fail(Failure::FolderNotWritable, destinationFolder);
    }
    bool added = true;
    for (const auto &f : files)
        added = added && add(za, f->file.path, callback<FileSource>, f.get());
    added = added && add(za, BackupManifest::fileName(), callback<ListSource>, &list);
    if (!added || zip_close(za) != 0) {
        const zip_error_t *error = zip_get_error(za);
        const int systemCode = zip_error_code_system(error);
        const bool sysError = zip_error_system_type(error) == ZIP_ET_SYS;
        zip_discard(za);
        finiErrors();
        if (run.cancelled)
            return fail(Failure::Cancelled, {});
        if (!run.unreadable.isEmpty())
            return fail(Failure::FileUnreadable, run.unreadable);
        // The system's own error tells a full disk, whatever step of libzip met it.
        if (sysError && noRoom(systemCode))
            return fail(Failure::DiskFull, destinationFolder);
        return fail(Failure::FolderNotWritable, destinationFolder);
    }
    finiErrors();

    // The copy is trusted only once it is on the disk and reads back as written.
    if (!copy.file().flush() || !FileReplace::syncToDisk(copy.path()))
        return fail(Failure::DiskFull, destinationFolder);
    const BackupArchive::Inspection check = BackupArchive::inspect(copy.path());
    if (!check.outcome.ok())
        return fail(Failure::Damaged, check.outcome.subject);
    for (const auto &f : files) {
        const BackupEntry *listed = check.manifest.find(f->file.path);
        if (!listed || listed->size != f->copied || listed->crc != quint32(f->crc))
            return fail(Failure::Damaged, f->file.path);
    }
    if (check.manifest.entries.size() != qsizetype(files.size()))
        return fail(Failure::Damaged, BackupManifest::fileName());
    const qint64 copied = run.done;
    const Backup::Progress readBack = [&run, copied](qint64 done, qint64) {
        return !run.progress || run.progress(copied + done, std::max(run.total, copied + done));
    };
    const Backup::Outcome read = BackupArchive::read(copy.path(), check.manifest, {}, readBack);
    if (!read.ok())
        return fail(read.failure == Failure::Cancelled ? Failure::Cancelled : Failure::Damaged, read.subject);

    // Another station may have put a copy of the same minute there meanwhile: never replaced.
    copy.setFinalPath(freeName());
    if (!copy.commit()) {
        const bool placed = QFileInfo::exists(copy.finalPath()) && !QFileInfo::exists(copy.path());
        copy.release();
        if (placed)
            QFile::remove(copy.finalPath());
        return fail(Failure::DiskFull, destinationFolder);
    }
    copy.release();
    r.zipPath = copy.finalPath();
    r.files = int(files.size());
    r.zipSize = QFileInfo(r.zipPath).size();
    return r;
}

} // namespace BackupWriter
