#pragma once
// The work register of one employee: a record file of activities in the
// folder "Archivio_Lavori", named after the employee's tax code.
// Its screens: employees/register/Lavori_Svolti, RiepStraordinari and MenuRiepStraordinari.
#include <QString>

namespace WorkFile {

// The tax code names the file, so it must be usable as a file name on every
// system: no "/", "\", "..", no character Windows refuses (: * ? " < > |) and
// no control character.
bool acceptsTaxCode(const QString &taxCode);
// The warning shown instead of opening a register for such a code.
QString refusedTaxCodeText(const QString &taxCode);
// Full path of the work file of a tax code (trimmed); creates the folder.
// Empty for a code acceptsTaxCode refuses: nothing is touched then.
QString path(const QString &taxCode);

} // namespace WorkFile
