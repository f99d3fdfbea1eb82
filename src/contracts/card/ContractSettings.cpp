#include "contracts/card/ContractSettings.h"

#include "core/settings/IniFile.h"
#include "core/platform/ProgramFolder.h"

namespace ContractSettings {

QString fileName() { return QStringLiteral("Contratti.ini"); }

QString path() { return ProgramFolder::file(fileName()); }

QString companySection() { return QStringLiteral("Ditta Pulizie"); }

const QList<SettingsKey> &companyKeys() {
    static const QList<SettingsKey> keys = {
        {"Denominazione", "txtDitta"}, {"Partita Iva", "txtPartitaIva"}, {"Codice Fiscale", "txtCodFisc"},
        {"Sede Legale", "txtSede"},    {"Provincia", "txtProvRes"},      {"CAP", "txtCapRes"},
        {"Indirizzo", "txtVia"},       {"Telefono", "txtTelUff"},        {"PEC", "txtTelCel"},
        {"Responsabile", "txtFax"},    {"Luogo Stipula", "txtLuogo"},
    };
    return keys;
}

QString numberingSection() { return QStringLiteral("Numerazione Contratti"); }
QString startKey() { return QStringLiteral("Inizio"); }

QString startValue() { return IniFile(path()).read(numberingSection(), startKey()); }

bool writeStartValue(const QString &value) {
    return IniFile(path()).writeChecked(numberingSection(), startKey(), value);
}

} // namespace ContractSettings
