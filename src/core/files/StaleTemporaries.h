#pragma once
// Temporary files the program makes while it writes a whole file (an export,
// a document, the logo, a photo, a settings file) or copies an attachment. On
// a network share, where a file cannot be made without a name, a crash or a
// power cut leaves one behind for good: those older than a day are removed at
// start-up. Only the program's own
// names are touched: "Clienti.xls.a1B2c3" is one, a user's file never is.
#include <QString>

namespace StaleTemporaries {

// The QTemporaryFile template of an attachment being copied into
// "Documenti_Allegati".
QString attachmentCopyTemplate();
// Removes the stale ones from the program folder, "Anagrafica" and
// "Documenti_Allegati" (a day older than Clock::now()); how many were removed.
int removeOlderThanADay();

} // namespace StaleTemporaries
