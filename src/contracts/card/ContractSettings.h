#pragma once
// The contracts' settings file "Contratti.ini": the company's own data
// (section "Ditta Pulizie", one key per control of the contract screen) and
// the first contract number (section "Numerazione Contratti", key "Inizio").
// Its screens: contracts/card/Contratto and Numerazione.
#include "ui/settings/SettingsForm.h"

#include <QList>
#include <QString>

namespace ContractSettings {

QString fileName(); // "Contratti.ini"
QString path();     // in the program folder

QString companySection(); // "Ditta Pulizie"
// The eleven company keys with the controls they fill.
const QList<SettingsKey> &companyKeys();

QString numberingSection(); // "Numerazione Contratti"
QString startKey();         // "Inizio"

// The start value as stored (trimmed; empty when missing).
QString startValue();
// Writes it and reads it back: false when the settings file cannot be written.
bool writeStartValue(const QString &value);

} // namespace ContractSettings
