#pragma once
// Brings a checked backup copy back into the program folder. The copy is
// first read whole into a work folder inside the program folder (each file
// checked against its list), then each file takes the place of the current
// one in one step, so an interruption leaves every file either as it was or
// as in the copy, never cut. Data files of the folder that the copy does not
// hold are moved, never deleted, into a dated folder.
// Its screen: backup/Salvataggio.
#include "backup/engine/BackupManifest.h"
#include "backup/engine/BackupOutcome.h"

namespace BackupRestore {

struct Result {
    Backup::Outcome outcome;
    int replaced = 0;    // files put in place
    int setAside = 0;    // files moved away
    QString asideFolder; // where, relative to the program folder (empty when none)
};

QString workFolderName();                         // "Ripristino_in_corso"
QString asideFolderName(const QDateTime &moment); // "Accantonati_yyyy-mm-dd_hh-mm"

Result run(const QString &programFolder, const QString &zipPath, const BackupManifest &manifest,
           const QDateTime &moment, const Backup::Progress &progress = {});

} // namespace BackupRestore
