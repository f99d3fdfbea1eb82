#include "invoices/settings/InvoiceSettings.h"

#include "core/platform/ProgramFolder.h"
#include "core/settings/IniFile.h"
#include "ui/settings/SettingsForm.h"

namespace {

// The company's data, kept by the contract screen.
QString company(const char *key) {
    return IniFile(ProgramFolder::file(QStringLiteral("Contratti.ini")))
        .read(QStringLiteral("Ditta Pulizie"), QLatin1String(key));
}

QString setting(const char *key) {
    return IniFile(InvoiceSettings::path()).read(InvoiceSettings::section(), QLatin1String(key));
}

} // namespace

namespace InvoiceSettings {

QString fileName() { return QStringLiteral("Fatturazione.ini"); }
QString path() { return ProgramFolder::file(fileName()); }
QString section() { return QStringLiteral("Fatturazione"); }

const QList<SettingsKey> &keys() {
    static const QList<SettingsKey> table = {
        {"Regime Fiscale", "cmbRegime"}, {"IBAN", "txtIban"},           {"Banca", "txtBanca"},
        {"Giorni", "txtGiorni"},         {"Pagamento", "cmbPagamento"}, {"Progressivo", "txtProgressivo"},
    };
    return table;
}

const QList<Choice> &regimes() {
    static const QList<Choice> list = {
        {"RF01", "Ordinario"},
        {"RF02", "Contribuenti minimi (art. 1, c. 96-117, L. 244/07)"},
        {"RF04", "Agricoltura e attività connesse e pesca"},
        {"RF05", "Vendita sali e tabacchi"},
        {"RF06", "Commercio fiammiferi"},
        {"RF07", "Editoria"},
        {"RF08", "Gestione servizi telefonia pubblica"},
        {"RF09", "Rivendita documenti di trasporto pubblico e di sosta"},
        {"RF10", "Intrattenimenti, giochi e altre attività (DPR 640/72)"},
        {"RF11", "Agenzie di viaggi e turismo"},
        {"RF12", "Agriturismo"},
        {"RF13", "Vendite a domicilio"},
        {"RF14", "Rivendita beni usati, oggetti d'arte, antiquariato"},
        {"RF15", "Agenzie di vendite all'asta di oggetti d'arte"},
        {"RF16", "IVA per cassa P.A."},
        {"RF17", "IVA per cassa (art. 32-bis, DL 83/2012)"},
        {"RF18", "Altro"},
        {"RF19", "Regime forfettario (art. 1, c. 54-89, L. 190/2014)"},
    };
    return list;
}

const QList<Choice> &payments() {
    static const QList<Choice> list = {
        {"MP05", "Bonifico"},           {"MP01", "Contanti"}, {"MP02", "Assegno"},
        {"MP08", "Carta di pagamento"}, {"MP12", "RIBA"},     {"MP19", "SEPA Direct Debit"},
    };
    return list;
}

QString choiceText(const Choice &choice) {
    return QLatin1String(choice.code) + QStringLiteral(" - ") + QString::fromUtf8(choice.caption);
}

QString codeOf(const QString &text) {
    const QString code = text.trimmed().left(4).toUpper();
    return code.size() == 4 && code.at(0).isLetter() && code.at(2).isDigit() && code.at(3).isDigit()
               ? code
               : QString();
}

Seller seller() {
    Seller s;
    s.name = company("Denominazione");
    s.vatNumber = company("Partita Iva");
    s.taxCode = company("Codice Fiscale");
    s.town = company("Sede Legale");
    s.province = company("Provincia");
    s.postcode = company("CAP");
    s.street = company("Indirizzo");
    s.phone = company("Telefono");
    s.pec = company("PEC");
    const QString regime = codeOf(setting("Regime Fiscale"));
    s.regime = regime.isEmpty() ? QStringLiteral("RF01") : regime;
    s.iban = setting("IBAN");
    s.bank = setting("Banca");
    return s;
}

QString payment() {
    const QString code = codeOf(setting("Pagamento"));
    return code.isEmpty() ? QStringLiteral("MP05") : code;
}

int paymentDays() {
    bool ok = false;
    const int days = setting("Giorni").toInt(&ok);
    return ok && days >= 0 && days <= 999 ? days : DefaultDays;
}

qint64 nextProgressive() {
    bool ok = false;
    const qint64 next = setting("Progressivo").toLongLong(&ok);
    return ok && next > 0 ? next : 1;
}

} // namespace InvoiceSettings
