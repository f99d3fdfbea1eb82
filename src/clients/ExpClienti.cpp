#include "clients/ExpClienti.h"

#include "core/records/Archives.h"

namespace {

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
        {.header = QStringLiteral("Cognome e nome"), .gridWidth = 250, .exportWidth = 250, .field = "Cliente"},
        {.header = QStringLiteral("Data di nascita"), .gridWidth = 120, .exportWidth = 200, .field = "DataNasc"},
        {.header = QStringLiteral("Comune / Stato estero di nascita"), .gridWidth = 250, .exportWidth = 250,
         .made = townAndProvince(Archives::clients(), "ComuneNasc", "ProvNasc"), .exportHeader = QStringLiteral("Comune di nascita")},
        {.header = QStringLiteral("Tel. preferenziale"), .gridWidth = 200, .exportWidth = 250, .field = "Recapito"},
        {.header = QStringLiteral("Indirizzo di residenza"), .gridWidth = 250, .exportWidth = 300, .field = "IndirizzoRes"},
        {.header = QStringLiteral("Comune di residenza"), .gridWidth = 250, .exportWidth = 250,
         .made = townAndProvince(Archives::clients(), "ComuneRes", "ProvRes"), .editable = true},
        {.header = QStringLiteral("Modalità di pagamento"), .gridWidth = 250, .exportWidth = 250, .field = "Estremi"},
        {.header = QStringLiteral("Tel. casa"), .gridWidth = 200, .exportWidth = 250, .field = "TelCasa"},
        {.header = QStringLiteral("Tel. ufficio"), .gridWidth = 200, .exportWidth = 250, .field = "TelUff"},
        {.header = QStringLiteral("Tel. cellulare"), .gridWidth = 200, .exportWidth = 250, .field = "TelCel"},
        {.header = QStringLiteral("PEC"), .gridWidth = 200, .exportWidth = 250, .field = "Fax"},
        {.header = QStringLiteral("E-mail"), .gridWidth = 250, .exportWidth = 250, .field = "Email"},
        {.header = QStringLiteral("Codice fiscale"), .gridWidth = 150, .exportWidth = 250, .field = "CodFisc"},
        {.header = QStringLiteral("Partita IVA"), .gridWidth = 150, .exportWidth = 250, .field = "PartitaIva", .editable = true},
        {.header = QStringLiteral("Carta di credito n."), .gridWidth = 250, .exportWidth = 300, .field = "Carta"},
        {.header = QStringLiteral("Scadenza"), .gridWidth = 160, .exportWidth = 150, .field = "ScadeCarta", .editable = true},
        {.header = QStringLiteral("IBAN"), .gridWidth = 250, .exportWidth = 300, .field = "Iban", .editable = true},
        {.header = QStringLiteral("Estremi documento"), .gridWidth = 280, .exportWidth = 280, .field = "Documento", .editable = true},
        {.header = QStringLiteral("Occupazione"), .gridWidth = 250, .exportWidth = 250, .field = "Occupazione", .editable = true},
        {.header = QStringLiteral("Stato civile"), .gridWidth = 250, .exportWidth = 250, .field = "Civile"},
        {.header = QStringLiteral("Titoli e qualifiche"), .gridWidth = 280, .exportWidth = 280, .field = "Titoli", .editable = true},
        {.header = QStringLiteral("Prodotti e servizi di interesse"), .gridWidth = 300, .exportWidth = 300, .field = "Prodotti"},
        {.header = QStringLiteral("Zona"), .gridWidth = 250, .exportWidth = 250, .field = "Zona"},
        {.header = QStringLiteral("Questioni in sospeso"), .gridWidth = 300, .exportWidth = 300, .field = "Questioni", .editable = true},
        {.header = QStringLiteral("Note"), .gridWidth = 350, .exportWidth = 300, .field = "Note", .editable = true},
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
