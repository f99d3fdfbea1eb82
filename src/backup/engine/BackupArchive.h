#pragma once
// Reading a backup copy (a ZIP archive written by BackupWriter): the checks
// that decide whether it can be trusted, and the reading of every file with
// its size and CRC-32 compared with the copy's own list.
// Its screen: backup/Salvataggio.
#include "backup/engine/BackupManifest.h"
#include "backup/engine/BackupOutcome.h"

namespace BackupArchive {

struct Inspection {
    Backup::Outcome outcome;
    BackupManifest manifest; // valid when outcome.ok()
};

// Opens the archive (checking its structure) and its list; refuses an archive
// with no valid list, an entry whose path leaves the folder or is no data file
// of the program, an entry not on the list or the other way round, and an
// entry whose size or CRC-32 differs from the list. Reads no file's data.
Inspection inspect(const QString &zipPath);

// Reads every file on the list, checking its bytes against its size and
// CRC-32; when target is not empty each file is written there under its
// relative path, flushed to disk, as it is read.
Backup::Outcome read(const QString &zipPath, const BackupManifest &manifest, const QString &target,
                     const Backup::Progress &progress);

} // namespace BackupArchive
