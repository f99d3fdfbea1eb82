#pragma once
// Brings a checked backup copy back into the program folder, as one step: the
// folder ends wholly as it was or wholly as in the copy, even when the program
// dies in the middle.
//
// The copy is first read whole into a work folder inside the program folder
// (each file checked against its list and synced). The journal
// (RestoreJournal) then says which files move, and the moves
// (RestoreSwitch) put each file of the copy in place of the current one and
// move the data files the copy lacks, never deleted, into a dated folder. A
// move that fails sends every file back where it was; a crash leaves the
// journal, and the next start finishes the restore or undoes it
// (RestoreRecovery) before anyone logs in.
// Its screen: backup/Salvataggio.
#include "backup/engine/BackupManifest.h"
#include "backup/engine/BackupOutcome.h"

#include <QDateTime>

namespace BackupRestore {

struct Result {
    Backup::Outcome outcome;
    int replaced = 0;    // files put in place
    int setAside = 0;    // files moved away
    QString asideFolder; // where, relative to the program folder (empty when none)
    // After a move that failed (outcome ReplaceFailed): every file was put back
    // as it was (undone), or not even that, and the journal waits for the next
    // start (pending).
    bool undone = false;
    bool pending = false;
};

QString workFolderName();                         // "Ripristino_in_corso"
QString asideFolderName(const QDateTime &moment); // "Accantonati_yyyy-mm-dd_hh-mm"

// before names the copy of the current data made just before (for the
// messages of a restore finished at the next start).
Result run(const QString &programFolder, const QString &zipPath, const BackupManifest &manifest,
           const QDateTime &moment, const Backup::Progress &progress = {}, const QString &before = {});

} // namespace BackupRestore
