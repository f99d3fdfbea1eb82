#include "clients/ExpClienti.h"

#include "core/Archives.h"

namespace {

// A town and its province code joined by one blank.
std::function<QString(const char *)> place(const char *town, const char *province) {
    const RecordLayout &layout = Archives::clients();
    const int t = layout.indexOf(town), p = layout.indexOf(province);
    return [&layout, t, p](const char *record) {
        return decodeField(layout, record, t) + QLatin1Char(' ') + decodeField(layout, record, p);
    };
}

HelpText exportHelp() {
    return {
        QStringLiteral("Esportazione archivio clienti in Excel"),
        {QStringLiteral("Questa funzione esporta i dati anagrafici di tutti i clienti in archivio in un "
                        "foglio di calcolo, che si apre con qualsiasi programma in grado di leggere i file "
                        "in formato XLS."),
         QStringLiteral("Aperta la finestra con la griglia delle schede, basta fare clic sull'icona del "
                        "foglio di calcolo: il file XLS con le schede viene creato subito e, rispondendo sì "
                        "alla domanda, viene aperto."),
         QStringLiteral("A quel punto il file può essere salvato sul disco con il nome che si preferisce.")}};
}

ExportGridSpec clientGrid() {
    ExportGridSpec s;
    s.caption = QStringLiteral(" Esporta archivio clienti in Excel");
    s.layout = &Archives::clients();
    // clang-format off
    s.columns = {
        {"Cognome e nome", 250, 250, "Cliente"},
        {"Data di nascita", 120, 200, "DataNasc"},
        {"Comune / Stato estero di nascita", 250, 250, nullptr, place("ComuneNasc", "ProvNasc"), "Comune di nascita"},
        {"Tel. preferenziale", 200, 250, "Recapito"},
        {"Indirizzo di residenza", 250, 300, "IndirizzoRes"},
        {"Comune di residenza", 250, 250, nullptr, place("ComuneRes", "ProvRes"), {}, true},
        {"Modalità di pagamento", 250, 250, "Estremi"},
        {"Tel. casa", 200, 250, "TelCasa"},
        {"Tel. ufficio", 200, 250, "TelUff"},
        {"Tel. cellulare", 200, 250, "TelCel"},
        {"PEC", 200, 250, "Fax"},
        {"E-mail", 250, 250, "Email"},
        {"Codice fiscale", 150, 250, "CodFisc"},
        {"Partita IVA", 150, 250, "PartitaIva", {}, {}, true},
        {"Carta di credito n.", 250, 300, "Carta"},
        {"Scadenza", 160, 150, "ScadeCarta", {}, {}, true},
        {"IBAN", 250, 300, "Iban", {}, {}, true},
        {"Estremi documento", 280, 280, "Documento", {}, {}, true},
        {"Occupazione", 250, 250, "Occupazione", {}, {}, true},
        {"Stato civile", 250, 250, "Civile"},
        {"Titoli e qualifiche", 280, 280, "Titoli", {}, {}, true},
        {"Prodotti e servizi di interesse", 300, 300, "Prodotti"},
        {"Zona", 250, 250, "Zona"},
        {"Questioni in sospeso", 300, 300, "Questioni", {}, {}, true},
        {"Note", 350, 300, "Note", {}, {}, true},
    };
    // clang-format on
    s.fileName = QStringLiteral("Clienti.xls");
    s.sheetName = QStringLiteral("Archivio Clienti");
    s.help = exportHelp();
    return s;
}

} // namespace

TfrmExpClienti::TfrmExpClienti(QWidget *parent) : ExportGrid(parent, clientGrid()) {
    setObjectName(QStringLiteral("frmExpClienti"));
}
