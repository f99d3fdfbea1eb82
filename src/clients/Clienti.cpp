#include "clients/Clienti.h"

#include "clients/AllegaExcel.h"
#include "clients/ClientPrint.h"
#include "clients/ClientiHelp.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/TrovaClienti.h"
#include "core/records/Archives.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/text/TextRules.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/CardScreen.h"
#include "ui/windows/Guida.h"
#include "ui/windows/Satellite.h"
#include "ui/card/ScrollingForm.h"
#include "privacy/PrivacyForm.h"
#include "validators/Checks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kBand(176, 104, 40);

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmClienti"));
    setWindowTitle(QStringLiteral(" Tersalia - Clienti e Servizi"));
    buildScreen();
    buildCard();
}

void TfrmClienti::buildScreen() {
    auto *background = new CardBackground(this);
    setCentralWidget(background);

    auto *title =
        new CardTitle(QStringLiteral("SCHEDA CLIENTE"),
                      CardIcons::pixmap(Symbol::Services, 64, QColor(230, 140, 50)), kBand, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    using BandRows::Rows;
    const QIcon check = CardIcons::icon(Symbol::Check);

    auto *personal = new CardBand(QStringLiteral("DATI ANAGRAFICI E RESIDENZA"), kBand, background);
    personal->setObjectName(QStringLiteral("panAnagrafica"));
    Rows p(personal);
    p.row({{"Cognome e nome (o Ragione sociale):", p.edit(txtCliente, "txtCliente", {.minWidth = 280}), 3},
           {"Tel. preferenziale:", p.edit(txtRecapito, "txtRecapito", {.minWidth = 150}), 1}});
    p.row({{"Data di nascita:", p.edit(txtDataNasc, "txtDataNasc", {.minWidth = 110, .centred = true}), 1},
           {"Comune di nascita:", p.edit(txtComuneNasc, "txtComuneNasc", {.minWidth = 180}), 3},
           {"Prov.", p.provinces(txtProvNasc, "txtProvNasc")},
           {"Sesso:", p.edit(txtSesso, "txtSesso", {.width = 44, .centred = true})}});
    p.row({{"Residente in Via / Piazza e numero civico:",
            p.edit(txtIndirizzoRes, "txtIndirizzoRes", {.minWidth = 160}), 3},
           {"Prov.", p.provinces(txtProvRes, "txtProvRes")},
           {"Comune di residenza:", p.edit(txtComuneRes, "txtComuneRes", {.minWidth = 140}), 2},
           {"CAP:", p.edit(txtCapRes, "txtCapRes", {.width = 70})}});

    auto *contacts = new CardBand(QStringLiteral("TELEFONI E POSTA ELETTRONICA"), kBand, background);
    contacts->setObjectName(QStringLiteral("panRecapiti"));
    Rows c(contacts);
    c.row({{"Tel. casa:", c.edit(txtTelCasa, "txtTelCasa", {.minWidth = 120}), 1},
           {"Tel. ufficio:", c.edit(txtTelUff, "txtTelUff", {.minWidth = 120}), 1},
           {"Tel. cellulare:", c.edit(txtTelCel, "txtTelCel", {.minWidth = 120}), 1}});
    c.row({{"PEC:", c.edit(txtFax, "txtFax", {.minWidth = 200}), 1},
           {"E-mail:", c.edit(txtEmail, "txtEmail", {.minWidth = 200}), 1},
           {nullptr, c.button(btnEmail, "btnEmail", CardIcons::icon(Symbol::Mail))}});

    auto *fiscal = new CardBand(QStringLiteral("DATI FISCALI E DI PAGAMENTO"), kBand, background);
    fiscal->setObjectName(QStringLiteral("panFiscali"));
    Rows f(fiscal);
    f.row({{"Codice fiscale:", f.edit(txtCodFisc, "txtCodFisc", {.minWidth = 170}), 1},
           {nullptr, f.button(btnCodFisc, "btnCodFisc", check)},
           {"Partita IVA:", f.edit(txtPartitaIva, "txtPartitaIva", {.minWidth = 120}), 1},
           {nullptr, f.button(btnPartitaIva, "btnPartitaIva", check)},
           {"IBAN:", f.edit(txtIban, "txtIban", {.minWidth = 230}), 2},
           {nullptr, f.button(btnIban, "btnIban", check)}});
    f.row({{"Carta di credito n.", f.edit(txtCarta, "txtCarta", {.minWidth = 200}), 2},
           {nullptr, f.button(btnCarta, "btnCarta", check)},
           {"Scadenza:", f.edit(txtScadeCarta, "txtScadeCarta", {.minWidth = 100}), 1},
           {"Modalità di pagamento:", f.edit(txtEstremi, "txtEstremi", {.minWidth = 280}), 3}});

    auto *profile = new CardBand(QStringLiteral("DOCUMENTO, OCCUPAZIONE E INTERESSI"), kBand, background);
    profile->setObjectName(QStringLiteral("panProfilo"));
    Rows d(profile);
    d.row({{"Estremi documento:", d.edit(txtDocumento, "txtDocumento", {.minWidth = 280}), 3},
           {"Occupazione:", d.edit(txtOccupazione, "txtOccupazione", {.minWidth = 160}), 2},
           {"Stato civile:", d.edit(txtCivile, "txtCivile", {.minWidth = 120}), 1}});
    d.row({{"Titoli e qualifiche:", d.edit(txtTitoli, "txtTitoli", {.minWidth = 200}), 2},
           {"Prodotti o servizi di interesse:", d.edit(txtProdotti, "txtProdotti", {.minWidth = 280}), 3},
           {"Zona:", d.edit(txtZona, "txtZona", {.minWidth = 140}), 1}});

    auto *notes = new CardBand(QStringLiteral("QUESTIONI IN SOSPESO E NOTE"), kBand, background);
    notes->setObjectName(QStringLiteral("panNote"));
    Rows n(notes);
    n.row({{"Questioni in sospeso:", n.edit(txtQuestioni, "txtQuestioni", {.minWidth = 300}), 1},
           {nullptr, n.check(chkRicontatta, "chkRicontatta", QStringLiteral("Da ricontattare"))}});
    n.row({{"Note:", n.edit(txtNote, "txtNote", {.minWidth = 300}), 1},
           {nullptr, n.button(btnPrivacy, "btnPrivacy", CardIcons::icon(Symbol::Privacy))}});

    std::tie(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03) =
        BandRows::attachmentLabels(background);
    // The sections scroll under the title where the screen is too low for them all.
    auto *sections = new QVBoxLayout;
    sections->setContentsMargins(0, 0, 0, 0);
    sections->setSpacing(10);
    for (CardBand *band : {personal, contacts, fiscal, profile, notes})
        sections->addWidget(band);
    sections->addStretch();
    auto *card = new QVBoxLayout;
    card->setSpacing(10);
    card->addWidget(title);
    card->addWidget(ScrollingForm::wrap(sections, background), 1);

    // Command column, hint panel and navigation row.
    const auto command = [](QToolButton *&button, const char *name, const QString &label, Symbol s) {
        return CardParts::Command{&button, name, label, CardIcons::icon(s)};
    };
    CardParts::cardFrame(
        background, card,
        {.band = kBand,
         .columnWidth = 210,
         .commandSpacing = 5,
         .groupGap = 8,
         .spacing = 16,
         .margins = QMargins(18, 12, 18, 10),
         .rowSpacing = 10,
         .hint = QStringLiteral("Pronto per archiviare una nuova scheda...")},
        {{command(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Symbol::New),
          command(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Symbol::Duplicate),
          command(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Symbol::Save),
          command(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Symbol::Find)},
         {command(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Symbol::Preview),
          command(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Symbol::Print),
          command(cmdPDF, "cmdPDF", QStringLiteral("Crea PDF"), Symbol::Pdf)},
         {command(cmdFile, "cmdFile", QStringLiteral("Allega file"), Symbol::Attach),
          command(btnProve, "btnProve", QStringLiteral("Servizi forniti"), Symbol::Services),
          command(cmdRicontatta, "cmdRicontatta", QStringLiteral("Da ricontattare"), Symbol::Recontact),
          command(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), Symbol::Export)}})
        .handTo(*this);

    connect(cmdTrova, &QToolButton::clicked, this, &TfrmClienti::cmdTrovaClick);
    connect(cmdFile, &QToolButton::clicked, this, &TfrmClienti::cmdFileClick);
    connect(btnProve, &QToolButton::clicked, this, &TfrmClienti::btnProveClick);
    connect(cmdRicontatta, &QToolButton::clicked, this, [this]() {
        openSatellite<TfrmRicontatta>(
            this, [this](TfrmRicontatta *list) { list->setHandBack(m_card->showChosen()); });
    });
    connect(cmdEsporta, &QToolButton::clicked, this, [this]() { openSatellite<TfrmExpClienti>(this); });
    // Print, preview and PDF take the card as it is on screen, saved or not.
    connect(cmdStampa, &QToolButton::clicked, this, [this]() { ClientPrint::print(this, shownRecord()); });
    connect(cmdAnteprima, &QToolButton::clicked, this,
            [this]() { ClientPrint::preview(this, shownRecord()); });
    connect(cmdPDF, &QToolButton::clicked, this, [this]() { ClientPrint::pdf(this, shownRecord()); });
    connect(btnPrivacy, &QToolButton::clicked, this, &TfrmClienti::btnPrivacyClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmClienti::btnEmailClick);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    connect(btnPartitaIva, &QToolButton::clicked, this,
            [this]() { Checks::vatNumber(this, Text::trim(txtPartitaIva->text())); });
    connect(btnCarta, &QToolButton::clicked, this,
            [this]() { Checks::cardNumber(this, Text::trim(txtCarta->text())); });
    connect(btnIban, &QToolButton::clicked, this,
            [this]() { Checks::iban(this, Text::trim(txtIban->text())); });
    connect(cmdGuida, &QToolButton::clicked, this, [this]() { TfrmGuida::showHelp(this, clientCardHelp()); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
}

void TfrmClienti::buildCard() {
    using namespace FieldFlag;
    CardDefinition d;
    d.layout = &Archives::clients();
    d.fields = {
        {.control = "txtCliente", .field = "Cliente"},
        {.control = "txtDataNasc", .field = "DataNasc"},
        {.control = "txtComuneNasc", .field = "ComuneNasc"},
        {.control = "txtProvNasc",
         .field = "ProvNasc",
         .flags = TrimTyping | UpperTyping | TrimOnLeave | UpperOnLeave},
        {.control = "txtSesso", .field = "Sesso", .flags = UpperTyping},
        {.control = "txtRecapito", .field = "Recapito"},
        {.control = "txtIndirizzoRes", .field = "IndirizzoRes"},
        {.control = "txtProvRes",
         .field = "ProvRes",
         .flags = TrimTyping | UpperTyping | TrimOnLeave | UpperOnLeave},
        {.control = "txtComuneRes", .field = "ComuneRes"},
        {.control = "txtCapRes", .field = "CapRes", .flags = UpperTyping},
        {.control = "txtEstremi", .field = "Estremi"},
        {.control = "txtTelCasa", .field = "TelCasa"},
        {.control = "txtTelUff", .field = "TelUff"},
        {.control = "txtTelCel", .field = "TelCel", .input = FieldInput::Digits},
        {.control = "txtFax", .field = "Fax", .flags = TrimTyping},
        {.control = "txtEmail", .field = "Email", .flags = TrimTyping | TrimOnLeave},
        {.control = "txtCodFisc", .field = "CodFisc", .flags = TrimTyping | UpperTyping},
        {.control = "txtCarta", .field = "Carta", .input = FieldInput::Digits},
        {.control = "txtScadeCarta", .field = "ScadeCarta"},
        {.control = "txtPartitaIva", .field = "PartitaIva", .input = FieldInput::Digits},
        {.control = "txtIban", .field = "Iban", .flags = TrimTyping | UpperTyping},
        {.control = "txtDocumento", .field = "Documento"},
        {.control = "txtOccupazione", .field = "Occupazione"},
        {.control = "txtCivile", .field = "Civile"},
        {.control = "txtTitoli", .field = "Titoli"},
        {.control = "txtProdotti", .field = "Prodotti"},
        {.control = "txtZona", .field = "Zona"},
        {.control = "txtQuestioni", .field = "Questioni"},
        {.control = "txtNote", .field = "Note"},
        {.control = "chkRicontatta", .field = "Ricontatta"},
        // The attachment block: the three names, then the three descriptions.
        {.control = "lblFile01", .field = "File01", .flags = ResetOnDuplicate},
        {.control = "lblFile02", .field = "File02", .flags = ResetOnDuplicate},
        {.control = "lblFile03", .field = "File03", .flags = ResetOnDuplicate},
        {.control = "lblDesc01", .field = "Desc01", .flags = ResetOnDuplicate},
        {.control = "lblDesc02", .field = "Desc02", .flags = ResetOnDuplicate},
        {.control = "lblDesc03", .field = "Desc03", .flags = ResetOnDuplicate},
    };
    d.enterOrder = {"txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
                    "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
                    "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
                    "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
                    "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
                    "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote"};
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    d.required = {
        {"txtCliente", need + QStringLiteral("il nome del cliente.")},
        {"txtTelCel", need + QStringLiteral("il numero di cellulare del cliente.")},
        {"txtCodFisc", need + QStringLiteral("il codice fiscale del cliente.")},
    };
    d.hints = {
        {"cmdNuovo", QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")},
        {"cmdSalva", QStringLiteral("Salva la scheda corrente in archivio.")},
        {"cmdTrova", QStringLiteral("Trova una scheda in archivio.")},
        {"cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa.")},
        {"cmdStampa", QStringLiteral("Stampa la scheda corrente.")},
        {"cmdEsporta", QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {"cmdFile", QStringLiteral("Allega file alla scheda corrente.")},
        {"cmdPDF", QStringLiteral("Esporta la scheda in formato PDF.")},
        {"cmdRicontatta", QStringLiteral("Visualizza il riepilogo dei clienti da ricontattare.")},
        {"cmdGuida", QStringLiteral("Visualizza la guida in linea.")},
        {"cmdEsci", QStringLiteral("Esci dalla schermata di lavoro corrente.")},
        {"cmdDuplica",
         QStringLiteral(
             "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")},
        {"cmdPrimo", QStringLiteral("Visualizza la prima scheda in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"btnProve", QStringLiteral("Visualizza il riepilogo dei servizi forniti al cliente.")},
        {"btnEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"btnCodFisc", QStringLiteral("Controlla il codice fiscale.")},
        {"btnPartitaIva", QStringLiteral("Controlla il numero di partita IVA.")},
        {"btnCarta", QStringLiteral("Controlla il numero di carta di credito.")},
        {"btnIban", QStringLiteral("Controlla l'IBAN.")},
        {"btnPrivacy", QStringLiteral("Stampa liberatoria per il trattamento dei dati personali.")},
        {"chkRicontatta",
         QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso.")},
    };
    // Tab follows the Enter order, with the check box between the pending issues and the notes.
    QList<const char *> tabOrder = d.enterOrder;
    tabOrder.insert(tabOrder.indexOf("txtNote"), "chkRicontatta");
    BandRows::tabOrder(this, tabOrder);
    d.firstField = "txtCliente";
    // Salva reads every control as it is at the click, the edited one included.
    d.saveLeavesField = false;
    m_card = new CardScreen(this, std::move(d));
}

void TfrmClienti::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (!event->spontaneous()) // shown by the program, not restored by the desktop
        m_card->newCard();
}

void TfrmClienti::cmdTrovaClick() {
    openSatellite<TfrmTrovaClienti>(this, [this](TfrmTrovaClienti *search) {
        search->lblMemory->setText(QStringLiteral("clienti"));
        search->setHandBack(m_card->showChosen());
    });
}

void TfrmClienti::cmdFileClick() { TfrmAllegaCartella::edit(this, QStringLiteral("clienti")); }

void TfrmClienti::btnEmailClick() { TMisc::Open(TMisc::mailCommand(Text::trim(txtEmail->text()))); }

void TfrmClienti::btnCodFiscClick() { Checks::taxCodeField(this, Text::trim(txtCodFisc->text())); }

Record TfrmClienti::shownRecord() const {
    Record client(Archives::clients());
    m_card->collect(client);
    return client;
}

// The services live in the file named after the stored record number: only a
// stored card with a name opens them.
void TfrmClienti::btnProveClick() {
    if (m_card->position() == 0) {
        Messages::warning(this, QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato "
                                               "soltanto dopo aver salvato la scheda del cliente."));
        return;
    }
    if (Text::trim(txtCliente->text()).isEmpty()) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi è necessario "
                                         "indicare il nome del cliente."));
        txtCliente->setFocus();
        return;
    }
    auto *services = new TfrmAllegaExcel(this, m_card->position(), txtCliente->text());
    services->setAttribute(Qt::WA_DeleteOnClose);
    services->exec();
}

void TfrmClienti::btnPrivacyClick() {
    PrivacyForm::open(this, {{"txtPaziente", txtCliente->text()},
                             {"txtComuneNasc", txtComuneNasc->text()},
                             {"txtProvNasc", txtProvNasc->currentText()},
                             {"txtDataNasc", txtDataNasc->text()},
                             {"txtComuneRes", txtComuneRes->text()},
                             {"txtProvRes", txtProvRes->currentText()},
                             {"txtCapRes", txtCapRes->text()},
                             {"txtIndirizzo", txtIndirizzoRes->text()},
                             {"txtCodFisc", txtCodFisc->text()},
                             {"txtRecapito", txtRecapito->text()}});
}
