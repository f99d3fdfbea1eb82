#pragma once
// The contracts' settings file "Contratti.ini": the company's own data
// (section "Ditta Pulizie", one key per control of the contract screen) and
// the first contract number (section "Numerazione Contratti", key "Inizio").
#include <QList>
#include <QString>

#include <optional>

class IniFile;

namespace ContractSettings {

QString fileName(); // "Contratti.ini"
IniFile file();     // in the program folder

struct CompanyKey {
    const char *key;
    const char *control;
};
QString companySection(); // "Ditta Pulizie"
// The eleven company keys with the controls they fill.
const QList<CompanyKey> &companyKeys();

QString numberingSection(); // "Numerazione Contratti"
QString startKey();         // "Inizio"
// Writes a value and reads it back: false when the file cannot be written or
// does not give the value back (minIni cannot tell every failure).
bool writeChecked(const QString &section, const QString &key, const QString &value);

// The start value as stored (trimmed; empty when missing).
QString startValue();
// False when the settings file cannot be written.
bool writeStartValue(const QString &value);

// The number proposed for a new contract: the start value (1 when missing or
// empty) plus the contracts stored now. Nothing when the archive cannot be
// opened or the start value is not an integer.
std::optional<qint64> nextNumber();

} // namespace ContractSettings
