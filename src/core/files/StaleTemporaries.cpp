#include "core/files/StaleTemporaries.h"

#include "core/files/FileLock.h"
#include "core/files/PlatformFiles.h"
#include "core/files/ProgramTemporary.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StaleTemporaries {

QStringList programFolders() {
    return {ProgramFolder::file(QString()), ProgramFolder::file(QStringLiteral("Anagrafica")),
            ProgramFolder::file(QStringLiteral("Documenti_Allegati")),
            ProgramFolder::file(QStringLiteral("Archivio_Lavori"))};
}

bool removeIfLeftover(const QString &path) {
    if (!ProgramTemporary::isTemporaryName(QFileInfo(path).fileName()))
        return false;
    QFile file(path);
    if (!PlatformFiles::open(file, QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    // One attempt: a lock held is a write in progress, here or on another desk.
    FileLock lock(file, FileLock::Kind::Exclusive, 0);
    // Removed while held, and only when the name still is the file locked.
    return lock.isLocked() && PlatformFiles::namesFile(file, path) && QFile::remove(path);
}

int removeLeftovers(const QStringList &otherFolders) {
    int removed = 0;
    QStringList seen;
    for (const QString &folder : programFolders() + otherFolders) {
        if (folder.trimmed().isEmpty())
            continue; // no folder: not the current one
        const QDir dir(folder);
        const QString canonical = dir.canonicalPath();
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.append(canonical);
        const QFileInfoList files =
            dir.entryInfoList({QLatin1Char('*') + ProgramTemporary::marker() + QLatin1Char('*')},
                              QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
        for (const QFileInfo &file : files)
            if (removeIfLeftover(file.absoluteFilePath()))
                ++removed;
    }
    return removed;
}

} // namespace StaleTemporaries
