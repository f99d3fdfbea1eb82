#pragma once
// The file-system steps of a whole-file write that Qt does not offer, behind
// one small function each: an open that lets the file be renamed or removed
// while it is open (Windows refuses that to a plain QFile), whether an open
// file is still the one a path names, a folder's entries forced to the disk,
// and a rename that never replaces.
#include <QFile>
#include <QString>

namespace PlatformFiles {

// Opens file in mode (QIODevice::NewOnly and ExistingOnly honoured), so that
// it can be renamed over or removed while open; a new file takes the
// permissions QFile gives (those the umask leaves). False on failure.
bool open(QFile &file, QIODevice::OpenMode mode);
// True when path names the very file that file has open (not one put there
// since, nor nothing).
bool namesFile(QFile &file, const QString &path);
// Writes what the system still holds of the open file to the disk.
bool syncToDisk(QFile &file);
// Writes the folder's entries (a rename done in it) to the disk. Where the
// file system cannot (a network share may not), true: the rename stands.
bool syncFolder(const QString &folder);

enum class Renamed { Done, TargetExists, Failed };
// Renames from to to unless to exists, in one step where the file system can:
// a file another desk puts there meanwhile is never replaced.
Renamed renameWithoutReplacing(const QString &from, const QString &to);

} // namespace PlatformFiles
