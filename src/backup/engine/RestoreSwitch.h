#pragma once
// The moves of a restore, driven by its journal: each file of the copy put in
// place of the current one (which goes into the work folder's "Precedenti"
// first), each data file the copy lacks moved into the aside folder, or all of
// it the other way back. Where each file stands is read from which of its
// places holds it, so either way picks up wherever an earlier run stopped,
// whether it was cut by a failure or by a crash. Every move goes through
// FileReplace and is followed by a sync of the folders it changed.
#include "backup/engine/RestoreJournal.h"

namespace RestoreSwitch {

QString workFolderName();     // "Ripristino_in_corso"
QString copyFolderName();     // "Copia": the copy's verified files, waiting
QString previousFolderName(); // "Precedenti": the files they took the place of

struct Outcome {
    bool ok = true;
    QString subject; // the file that could not be moved
    int moved = 0;   // files moved
};

// False when a name of the journal would leave the folder or is no data file:
// such a journal is not acted on.
bool isSafe(const RestoreJournal &journal);

// Every file of the copy in place, every file the copy lacks set aside.
Outcome forward(const QString &programFolder, const RestoreJournal &journal);
// Every file as it was before the restore.
Outcome backward(const QString &programFolder, const RestoreJournal &journal);

// Once the files are where they belong: the work folder goes (after a
// forward run it holds the replaced files, which the copy made before the
// restore holds too; after a backward one, the copy's), and after a backward
// one the aside folder's empty folders as well.
bool removeWorkFolder(const QString &programFolder);
void removeEmptyAsideFolder(const QString &programFolder, const RestoreJournal &journal);

} // namespace RestoreSwitch
