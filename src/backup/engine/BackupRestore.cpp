#include "backup/engine/BackupRestore.h"

#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupSelection.h"
#include "core/files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using Backup::Failure;

namespace BackupRestore {

QString workFolderName() { return QStringLiteral("Ripristino_in_corso"); }

QString asideFolderName(const QDateTime &moment) {
    return QStringLiteral("Accantonati_") + moment.toString(QStringLiteral("yyyy-MM-dd_HH-mm"));
}

Result run(const QString &programFolder, const QString &zipPath, const BackupManifest &manifest,
           const QDateTime &moment, const Backup::Progress &progress) {
    Result r;
    const QDir root(programFolder);
    QDir work(root.filePath(workFolderName()));
    // What an earlier, interrupted restore left there is only a copy of a copy.
    if (work.exists())
        work.removeRecursively();
    if (!root.mkpath(workFolderName())) {
        r.outcome = {Failure::FolderNotWritable, root.path()};
        return r;
    }
    r.outcome = BackupArchive::read(zipPath, manifest, work.path(), progress);
    if (!r.outcome.ok()) {
        work.removeRecursively();
        return r;
    }

    for (const BackupEntry &e : manifest.entries) {
        const QString target = root.filePath(e.path);
        if (!root.mkpath(QFileInfo(target).absolutePath()) ||
            !FileReplace::replace(work.filePath(e.path), target)) {
            r.outcome = {Failure::ReplaceFailed, e.path};
            work.removeRecursively();
            return r;
        }
        ++r.replaced;
    }
    work.removeRecursively();

    QString aside = asideFolderName(moment);
    for (int n = 2; root.exists(aside); ++n)
        aside = asideFolderName(moment) + QStringLiteral("_%1").arg(n);
    for (const BackupSelection::DataFile &f : BackupSelection::list(programFolder)) {
        if (manifest.find(f.path))
            continue;
        const QString target = root.filePath(aside + QLatin1Char('/') + f.path);
        if (!root.mkpath(QFileInfo(target).absolutePath()) || !QFile::rename(root.filePath(f.path), target)) {
            r.outcome = {Failure::ReplaceFailed, f.path};
            return r;
        }
        r.asideFolder = aside;
        ++r.setAside;
    }
    return r;
}

} // namespace BackupRestore
