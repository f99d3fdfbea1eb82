#include "backup/engine/BackupArchive.h"

#include "backup/engine/BackupSelection.h"
#include "core/files/FileReplace.h"
#include "backup/engine/ZipPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <memory>
#include <zip.h>

using Backup::Failure;
using Backup::Outcome;

namespace {

struct ZipCloser {
    void operator()(zip_t *za) const { zip_discard(za); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

struct EntryCloser {
    void operator()(zip_file_t *f) const { zip_fclose(f); }
};
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

Zip openZip(const QString &path, int flags) {
    int error = 0;
    return Zip(zip_open(zipPathBytes(path).constData(), flags, &error));
}

// The list is small: anything larger is no list of ours.
constexpr zip_uint64_t kManifestLimit = 64 << 20;

} // namespace

namespace BackupArchive {

Inspection inspect(const QString &zipPath) {
    Inspection r;
    const auto fail = [&r](Failure f, const QString &subject = {}) {
        r.outcome = {f, subject};
        return r;
    };
    const Zip za = openZip(zipPath, ZIP_RDONLY | ZIP_CHECKCONS);
    if (!za)
        return fail(Failure::NotACopy);

    const QByteArray listName = BackupManifest::fileName().toUtf8();
    zip_stat_t st;
    const zip_int64_t listIndex = zip_name_locate(za.get(), listName.constData(), ZIP_FL_ENC_GUESS);
    if (listIndex < 0 || zip_stat_index(za.get(), zip_uint64_t(listIndex), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE) || st.size > kManifestLimit)
        return fail(Failure::NoManifest);
    QByteArray listBytes(qsizetype(st.size), Qt::Uninitialized);
    const Entry list(zip_fopen_index(za.get(), zip_uint64_t(listIndex), 0));
    if (!list || zip_fread(list.get(), listBytes.data(), st.size) != zip_int64_t(st.size))
        return fail(Failure::NoManifest);
    std::optional<BackupManifest> manifest = BackupManifest::parse(listBytes);
    if (!manifest)
        return fail(Failure::NoManifest);

    QSet<QString> inArchive;
    const zip_int64_t count = zip_get_num_entries(za.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (i == listIndex)
            continue;
        const char *raw = zip_get_name(za.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (!BackupSelection::isSafeRelativePath(name))
            return fail(Failure::UnsafePath, name);
        if (!BackupSelection::isDataFile(name))
            return fail(Failure::NotDataFile, name);
        const BackupEntry *listed = manifest->find(name);
        if (!listed || inArchive.contains(name) || zip_stat_index(za.get(), zip_uint64_t(i), 0, &st) != 0 ||
            (st.valid & (ZIP_STAT_SIZE | ZIP_STAT_CRC)) != (ZIP_STAT_SIZE | ZIP_STAT_CRC) ||
            st.size != zip_uint64_t(listed->size) || st.crc != listed->crc)
            return fail(Failure::Damaged, name);
        inArchive.insert(name);
    }
    for (const BackupEntry &e : std::as_const(manifest->entries))
        if (!inArchive.contains(e.path))
            return fail(Failure::Damaged, e.path);
    r.manifest = std::move(*manifest);
    return r;
}

Outcome read(const QString &zipPath, const BackupManifest &manifest, const QString &target,
             const Backup::Progress &progress) {
    const Zip za = openZip(zipPath, ZIP_RDONLY);
    if (!za)
        return {Failure::NotACopy, {}};
    const qint64 total = manifest.totalSize();
    qint64 done = 0;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (const BackupEntry &e : manifest.entries) {
        const Entry in(zip_fopen(za.get(), e.path.toUtf8().constData(), ZIP_FL_ENC_GUESS));
        if (!in)
            return {Failure::Damaged, e.path};
        QFile out;
        if (!target.isEmpty()) {
            const QString path = QDir(target).filePath(e.path);
            out.setFileName(path);
            if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
                !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return {Failure::FolderNotWritable, target};
        }
        qint64 size = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(in.get(), block.data(), zip_uint64_t(block.size()));
            if (n < 0)
                return {Failure::Damaged, e.path};
            if (n == 0)
                break;
            size += n;
            if (out.isOpen() && out.write(block.constData(), n) != n)
                return {out.error() == QFileDevice::ResourceError ? Failure::DiskFull
                                                                  : Failure::FolderNotWritable,
                        target};
            done += n;
            if (progress && !progress(done, total))
                return {Failure::Cancelled, {}};
        }
        // libzip has checked the bytes against the directory's CRC-32, which
        // inspect() found equal to the list's: a difference fails the last read.
        if (size != e.size)
            return {Failure::Damaged, e.path};
        if (out.isOpen()) {
            const bool flushed = out.flush();
            out.close();
            if (!flushed || !FileReplace::syncToDisk(out.fileName()))
                return {Failure::DiskFull, target};
        }
    }
    return {};
}

} // namespace BackupArchive
