#include "core/records/Archives.h"

#include "core/text/TextRules.h"

namespace Archives {

// The field tables are laid out as tables on purpose.
//
// Several names come from the forms these files were first written by and say something
// else than what the field holds; the files keep them, and so do the controls:
// - clients: `Fax` is the "PEC", `Recapito` the "Tel. preferenziale", `Estremi` the
//   "Modalità di pagamento";
// - appointments: `Tipologia` is the "Operatore", `Causale` the "Servizi richiesti dal
//   cliente", `Luogo` the "Modalità di pagamento", `Ottemperata` the "Impegno assolto";
// - contracts: `txtTelCel` is the company's "PEC", `txtFax` its "Responsabile legale",
//   `txtQualitaCli` the "Frequenza servizi", and of the building and the service terms
//   `txtTipoImpianto` = "Tipo immobile", `txtMarca` = "Ubicazione immobile", `txtMatricola` =
//   "Durata contratto", `txtAlimentazione` = "Fornitore dei materiali", `txtAnnoCostruz` =
//   "Foro competente", `txtCaratteristiche` = "Condizioni per recesso", `txtUbicazione` =
//   "Polizza assicurativa", `txtDurata` = "Orari intervento", `txtTotale` = "Durata intervento";
// - services (`TfrmAllegaExcel`, "Servizi forniti"): the list of the services supplied to one
//   client, nothing to do with a workbook;
// - the privacy screen's company (`txtStudioDent`, `txtCittaDent`, … `txtTelDent`): the
//   cleaning company, `txtTelDent` its "Rappresentante legale";
// - the hours summary: `infTotKmPercorsi` is the caption "Totale ore di lavoro:" and
//   `lblTotCosti` the total of the hours worked.
// clang-format off

const RecordLayout &clients() {
    static const RecordLayout layout(QStringLiteral("Contatti.pro"),
        {{"Cliente", 50},      {"DataNasc", 30},     {"ComuneNasc", 50},  {"ProvNasc", 2},
         {"Sesso", 1},         {"Recapito", 50},     {"IndirizzoRes", 50}, {"ProvRes", 2},
         {"ComuneRes", 50},    {"CapRes", 5},        {"Estremi", 250},    {"TelCasa", 30},
         {"TelUff", 30},       {"TelCel", 30},       {"Fax", 30},         {"Email", 50},
         {"CodFisc", 16},      {"Carta", 30},        {"ScadeCarta", 30},  {"PartitaIva", 11},
         {"Iban", 27},         {"Documento", 120},   {"Occupazione", 50}, {"Civile", 50},
         {"Titoli", 120},      {"Prodotti", 120},    {"Zona", 50},        {"Questioni", 250},
         {"Note", 250},        {"Ricontatta", 2},    {"File01", 250},     {"File02", 250},
         {"File03", 250},      {"Desc01", 250},      {"Desc02", 250},     {"Desc03", 250}});
    return layout;
}

const RecordLayout &services() {
    static const RecordLayout layout(QString(),
        {{"Data", 10}, {"Ora", 5}, {"Servizi", 54}, {"Agente", 28}, {"Importo", 15}});
    return layout;
}

const RecordLayout &employees() {
    static const RecordLayout layout(QStringLiteral("Archivio_Dipendenti.pro"),
        {{"Dipendente", 50},   {"Sesso", 1},        {"DataNasc", 10},     {"Cittadinanza", 50},
         {"LuogoNasc", 50},    {"Indirizzo", 120},  {"Citta", 50},        {"Cap", 10},
         {"Nazione", 50},      {"CodFisc", 16},     {"Civile", 50},       {"PartitaIva", 11},
         {"Studio", 120},      {"Lingue", 120},     {"Email", 50},        {"Tel", 30},
         {"Cel", 30},          {"Qualifica", 50},   {"Reparto", 50},      {"Disponibilita", 120},
         {"Mansioni", 250},    {"Iban", 27},        {"DataAss", 10},      {"Retribuzione", 250},
         {"Note", 250},        {"File01", 250},     {"File02", 250},      {"File03", 250},
         {"Desc01", 250},      {"Desc02", 250},     {"Desc03", 250}});
    return layout;
}

const RecordLayout &works() {
    static const RecordLayout layout(QString(),
        {{"Data", 10}, {"Attivita", 50}, {"Luogo", 28}, {"Orario", 28}, {"TotOre", 28}});
    return layout;
}

const RecordLayout &appointments() {
    static const RecordLayout layout(QStringLiteral("Archivio_Appuntamenti.pro"),
        {{"Data", 10},      {"Ore", 2},         {"Minuti", 2},    {"Ora", 5},
         {"Avviso", 3},     {"Tipologia", 50},  {"Causale", 250}, {"Dettagli", 250},
         {"Contatto", 50},  {"Tel", 30},        {"Cel", 30},      {"Email", 50},
         {"Luogo", 250},    {"Importo", 15},    {"Note", 250},    {"Ottemperata", 2}});
    return layout;
}

// Contract fields are named after the controls that edit them.
const RecordLayout &contracts() {
    static const RecordLayout layout(QStringLiteral("Contratti.pro"),
        {{"txtNumContratto", 30},   {"txtData", 10},           {"txtLuogo", 50},
         {"txtDitta", 120},         {"txtPartitaIva", 11},     {"txtCodFisc", 16},
         {"txtSede", 50},           {"txtProvRes", 2},         {"txtCapRes", 5},
         {"txtVia", 120},           {"txtTelUff", 30},         {"txtTelCel", 50},
         {"txtFax", 120},           {"txtCliente", 50},        {"txtComuneCli", 50},
         {"txtProvCli", 2},         {"txtCapCli", 5},          {"txtPartitaIvaCli", 11},
         {"txtCodFiscCli", 16},     {"txtViaCli", 120},        {"txtTelCli", 30},
         {"txtQualitaCli", 50},     {"txtTipoImpianto", 50},   {"txtMarca", 250},
         {"txtMatricola", 50},      {"txtAlimentazione", 120}, {"txtAnnoCostruz", 50},
         {"txtCaratteristiche", 250}, {"txtUbicazione", 250},  {"txtDurata", 50},
         {"txtTotale", 50},         {"txtPeriodicita", 50},    {"txtImpCanone", 15},
         {"txtPagamento", 250},     {"txtOpInc01", 120},       {"txtOpInc02", 120},
         {"txtOpInc03", 120},       {"txtOpInc04", 120},       {"txtOpEsc01", 120},
         {"txtOpEsc02", 120},       {"txtOpEsc03", 120},       {"txtOpEsc04", 120},
         {"lblFile01", 250},        {"lblFile02", 250},        {"lblFile03", 250},
         {"lblDesc01", 250},        {"lblDesc02", 250},        {"lblDesc03", 250}});
    return layout;
}

// The invoices: a header per invoice (draft or issued), its lines in an archive of their
// own (a line belongs to the header whose record number it holds in `Fattura`; a line taken
// off a draft keeps its record with `Fattura` empty), the numbers given at issuing, and each
// client's billing data. A line's description (up to 1000 characters in the e-invoice) takes
// four fields of 250.
const RecordLayout &invoices() {
    static const RecordLayout layout(QStringLiteral("Fatture.pro"),
        {{"Stato", 6},            {"Numero", 20},          {"Anno", 4},           {"Data", 10},
         {"Tipo", 4},             {"Progressivo", 5},      {"NomeFile", 40},      {"Cliente", 10},
         {"Denominazione", 80},   {"PartitaIva", 28},      {"CodFisc", 16},       {"Indirizzo", 60},
         {"CAP", 5},              {"Comune", 60},          {"Provincia", 2},      {"Nazione", 2},
         {"CodiceDestinatario", 7}, {"PecDestinatario", 100}, {"PA", 2},          {"Scissione", 2},
         {"Inversione", 2},       {"Pagamento", 4},        {"Giorni", 3},         {"Scadenza", 10},
         {"Causale", 200},        {"Bollo", 2},            {"RifNumero", 20},     {"RifData", 10},
         {"Imponibile", 15},      {"Imposta", 15},         {"Totale", 15},        {"Netto", 15}});
    return layout;
}

const RecordLayout &invoiceLines() {
    static const RecordLayout layout(QStringLiteral("Fatture_Righe.pro"),
        {{"Fattura", 10},        {"Riga", 4},             {"Descrizione1", 250}, {"Descrizione2", 250},
         {"Descrizione3", 250},  {"Descrizione4", 250},   {"Quantita", 22},      {"Prezzo", 22},
         {"Aliquota", 6},        {"Natura", 4},           {"Servizio", 30},      {"Totale", 15}});
    return layout;
}

const RecordLayout &invoiceNumbers() {
    static const RecordLayout layout(QStringLiteral("Fatture_Numeri.pro"),
        {{"Fattura", 10}, {"Anno", 4}, {"Numero", 20}, {"Progressivo", 5}, {"Data", 10}});
    return layout;
}

const RecordLayout &billingData() {
    static const RecordLayout layout(QStringLiteral("Dati_Fatturazione.pro"),
        {{"Cliente", 10},            {"PartitaIva", 11}, {"CodFisc", 16}, {"CodiceDestinatario", 7},
         {"PecFatture", 100},        {"PA", 2},          {"Scissione", 2}, {"Inversione", 2}});
    return layout;
}

// clang-format on

QString servicesFileName(qint64 clientNumber) {
    return QStringLiteral("Servizi_Cliente_%1.pro").arg(clientNumber);
}

QString servicesFilePattern() { return QStringLiteral("Servizi_Cliente_*.pro"); }

QString worksFolderName() { return QStringLiteral("Archivio_Lavori"); }

QString worksFileName(const QString &taxCode) {
    return QStringLiteral("Lavori_Dipendente_CF_") + Text::trim(taxCode) + QStringLiteral(".pro");
}

QString worksFilePattern() { return worksFileName(QStringLiteral("*")); }

} // namespace Archives
