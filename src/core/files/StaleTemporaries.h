#pragma once
// What a crash or a power cut leaves of a file being written whole: its
// temporary (core/files/ProgramTemporary, "Clienti.xls.~tersalia~a1B2c3").
// At start-up such a file is removed when nobody holds its lock — a writer
// holds it from the temporary's making to its rename, so a write in progress
// on another desk sharing the folder is never touched, and a crash's leftover
// goes at the next start whatever its age. No other file is ever removed.
#include <QString>
#include <QStringList>

namespace StaleTemporaries {

// The folders the program writes whole files in: the program folder,
// "Anagrafica", "Documenti_Allegati" and "Archivio_Lavori".
QStringList programFolders();
// Removes the leftovers from programFolders() and from otherFolders (the
// backup copies' folder); how many were removed.
int removeLeftovers(const QStringList &otherFolders = {});
// Removes path when it is a temporary's leftover; whether it did.
bool removeIfLeftover(const QString &path);

} // namespace StaleTemporaries
