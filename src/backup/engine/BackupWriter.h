#pragma once
// Writes a backup copy of the program folder's data files into one ZIP
// archive, "Tersalia_Copia_yyyy-mm-dd_hh-mm.zip", with the list
// "Tersalia_Copia.txt", then opens it again and checks every file against the
// list. A copy that could not be written whole, or that fails the check,
// leaves nothing behind.
// Its screen: backup/Salvataggio.
#include "backup/engine/BackupOutcome.h"

#include <QDateTime>

namespace BackupWriter {

struct Result {
    Backup::Outcome outcome;
    QString zipPath; // the copy written, when outcome.ok()
    int files = 0;   // data files in it
    qint64 zipSize = 0;
};

// The name of a copy made at moment; n > 1 tells apart two copies of the same
// minute (an existing copy is never replaced).
QString fileName(const QDateTime &moment, int n = 1);

// True when folder is programFolder or lies inside it (compared as the file
// system finds them: links followed, letter case ignored on Windows). A copy
// is never written there.
bool isInsideProgramFolder(const QString &folder, const QString &programFolder);

// Each record file is read in blocks of whole records, each block under the
// file's shared lock, so a station appending or saving at the same moment
// never puts half a record into the copy; the settings are read whole under
// their lock. The files are stored as they are (no compression).
Result write(const QString &programFolder, const QString &destinationFolder, const QDateTime &moment,
             const Backup::Progress &progress = {});

} // namespace BackupWriter
