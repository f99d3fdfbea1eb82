#pragma once
// What a backup, a check of a copy or a restore tells its screen: done, or
// the one thing that stopped it and the file or folder concerned.
#include <QString>

#include <functional>

namespace Backup {

enum class Failure {
    None,
    Cancelled,           // the user stopped it
    FolderNotWritable,   // subject: the folder
    DiskFull,            // subject: the folder
    FileUnreadable,      // subject: the file of the program folder
    NotACopy,            // the file is no readable ZIP archive
    NoManifest,          // no valid Tersalia_Copia.txt
    UnsafePath,          // subject: an entry whose path leaves the folder
    NotDataFile,         // subject: an entry that is none of the program's data files
    Damaged,             // subject: an entry missing, or whose size or CRC-32 differs from the list
    ReplaceFailed,       // subject: the file of the program folder that could not be replaced or set aside
    InsideProgramFolder, // subject: a destination that is the program folder or lies inside it
    RestoreElsewhere,    // another station is restoring into this folder right now
    RestorePending,      // a restore cut short waits to be finished at the next start
};

// Called as the work goes on (bytes done of the total); false stops it.
using Progress = std::function<bool(qint64 done, qint64 total)>;

struct Outcome {
    Failure failure = Failure::None;
    QString subject;
    bool ok() const { return failure == Failure::None; }
};

} // namespace Backup
