#include "contracts/ContractSettings.h"

#include "core/Archives.h"
#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/TextRules.h"

namespace ContractSettings {

QString fileName() { return QStringLiteral("Contratti.ini"); }

IniFile file() { return IniFile(ProgramFolder::file(fileName())); }

QString companySection() { return QStringLiteral("Ditta Pulizie"); }

const QList<CompanyKey> &companyKeys() {
    static const QList<CompanyKey> keys = {
        {"Denominazione", "txtDitta"}, {"Partita Iva", "txtPartitaIva"}, {"Codice Fiscale", "txtCodFisc"},
        {"Sede Legale", "txtSede"},    {"Provincia", "txtProvRes"},      {"CAP", "txtCapRes"},
        {"Indirizzo", "txtVia"},       {"Telefono", "txtTelUff"},        {"PEC", "txtTelCel"},
        {"Responsabile", "txtFax"},    {"Luogo Stipula", "txtLuogo"},
    };
    return keys;
}

QString numberingSection() { return QStringLiteral("Numerazione Contratti"); }
QString startKey() { return QStringLiteral("Inizio"); }

QString startValue() { return file().read(numberingSection(), startKey()); }

bool writeChecked(const QString &section, const QString &key, const QString &value) {
    IniFile ini = file();
    const QString stored = Text::trim(Text::fromCp1252(Text::toCp1252(Text::trim(value))));
    return ini.write(section, key, value) && ini.read(section, key) == stored;
}

bool writeStartValue(const QString &value) { return writeChecked(numberingSection(), startKey(), value); }

std::optional<qint64> nextNumber() {
    QString start = Text::trim(startValue());
    if (start.isEmpty())
        start = QStringLiteral("1");
    bool ok = false;
    const qint64 first = start.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    RecordFile archive(ProgramFolder::file(Archives::contracts().fileName()), Archives::contracts().size());
    if (!archive.open())
        return std::nullopt;
    const qint64 stored = archive.count();
    archive.close();
    return first + stored;
}

} // namespace ContractSettings
