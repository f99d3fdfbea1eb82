#pragma once
// The name of a file the program is writing whole: beside its final place,
// the final name, the marker ".~tersalia~" and six random letters or digits
// ("Clienti.xls.~tersalia~a1B2c3"). No person types such a name, so the
// start-up clean-up (core/files/StaleTemporaries) can tell the program's own
// leftovers from every file a user keeps beside them.
#include <QString>

namespace ProgramTemporary {

// ".~tersalia~"
QString marker();
// A fresh temporary's path for target (same folder, random part drawn anew).
QString pathFor(const QString &target);
// Whether a file name (without its folder) has the form of a temporary.
bool isTemporaryName(const QString &fileName);

} // namespace ProgramTemporary
