#include "clients/Clienti.h"

#include "clients/AllegaExcel.h"
#include "clients/ClientPrint.h"
#include "clients/ClientiHelp.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/TrovaClienti.h"
#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"
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
    CardDefinition d = definition();
    buildScreen(d.fields);
    m_card = new CardScreen(this, std::move(d));
}

void TfrmClienti::buildScreen(const QList<CardField> &fields) {
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
    Rows p(personal, {}, &fields);
    p.row({p.field(txtCliente, {.stretch = 3}), p.field(txtRecapito, {.stretch = 1})});
    p.row({p.field(txtDataNasc, {.stretch = 1}), p.field(txtComuneNasc, {.stretch = 3}), p.field(txtProvNasc),
           p.field(txtSesso)});
    p.row({p.field(txtIndirizzoRes, {.stretch = 3}), p.field(txtProvRes),
           p.field(txtComuneRes, {.stretch = 2}), p.field(txtCapRes)});

    auto *contacts = new CardBand(QStringLiteral("TELEFONI E POSTA ELETTRONICA"), kBand, background);
    contacts->setObjectName(QStringLiteral("panRecapiti"));
    Rows c(contacts, {}, &fields);
    c.row({c.field(txtTelCasa, {.stretch = 1}), c.field(txtTelUff, {.stretch = 1}),
           c.field(txtTelCel, {.stretch = 1})});
    c.row({c.field(txtFax, {.stretch = 1}),
           c.field(txtEmail, {.stretch = 1}),
           {nullptr, c.button(btnEmail, "btnEmail", CardIcons::icon(Symbol::Mail))}});

    auto *fiscal = new CardBand(QStringLiteral("DATI FISCALI E DI PAGAMENTO"), kBand, background);
    fiscal->setObjectName(QStringLiteral("panFiscali"));
    Rows f(fiscal, {}, &fields);
    f.row({f.field(txtCodFisc, {.stretch = 1}),
           {nullptr, f.button(btnCodFisc, "btnCodFisc", check)},
           f.field(txtPartitaIva, {.stretch = 1}),
           {nullptr, f.button(btnPartitaIva, "btnPartitaIva", check)},
           f.field(txtIban, {.stretch = 2}),
           {nullptr, f.button(btnIban, "btnIban", check)}});
    f.row({f.field(txtCarta, {.stretch = 2}),
           {nullptr, f.button(btnCarta, "btnCarta", check)},
           f.field(txtScadeCarta, {.stretch = 1}),
           f.field(txtEstremi, {.stretch = 3})});

    auto *profile = new CardBand(QStringLiteral("DOCUMENTO, OCCUPAZIONE E INTERESSI"), kBand, background);
    profile->setObjectName(QStringLiteral("panProfilo"));
    Rows d(profile, {}, &fields);
    d.row({d.field(txtDocumento, {.stretch = 3}), d.field(txtOccupazione, {.stretch = 2}),
           d.field(txtCivile, {.stretch = 1})});
    d.row({d.field(txtTitoli, {.stretch = 2}), d.field(txtProdotti, {.stretch = 3}),
           d.field(txtZona, {.stretch = 1})});

    auto *notes = new CardBand(QStringLiteral("QUESTIONI IN SOSPESO E NOTE"), kBand, background);
    notes->setObjectName(QStringLiteral("panNote"));
    Rows n(notes, {}, &fields);
    n.row({n.field(txtQuestioni, {.stretch = 1}), n.field(chkRicontatta)});
    n.row({n.field(txtNote, {.stretch = 1}),
           {nullptr, n.button(btnPrivacy, "btnPrivacy", CardIcons::icon(Symbol::Privacy))}});

    std::tie(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03) =
        BandRows::attachmentLabels(background);
    // The sections scroll under the title where the screen is too low for them
    // all. The pending questions and the notes come before the profile, so that
    // the notes and the privacy button are in view on a laptop's screen too
    // (Enter and Tab go along the fields' rows, wherever their bands stand).
    auto *sections = new QVBoxLayout;
    sections->setContentsMargins(0, 0, 0, 0);
    sections->setSpacing(10);
    for (CardBand *band : {personal, contacts, fiscal, notes, profile})
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

// The 36 fields of Contatti.pro, in the Enter order; Tab stops at the check
// box between the pending issues and the notes.
QList<CardField> TfrmClienti::fields() {
    using namespace FieldFlag;
    using BandRows::provinceField;
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const unsigned province = Code | TrimOnLeave | UpperOnLeave;
    return QList<CardField>{
               {.member = txtCliente,
                .control = "txtCliente",
                .field = "Cliente",
                .caption = "Cognome e nome (o Ragione sociale):",
                .required = need + QStringLiteral("il nome del cliente."),
                .shape = {.minWidth = 280}},
               {.member = txtDataNasc,
                .control = "txtDataNasc",
                .field = "DataNasc",
                .caption = "Data di nascita:",
                .shape = {.minWidth = 110, .centred = true}},
               {.member = txtComuneNasc,
                .control = "txtComuneNasc",
                .field = "ComuneNasc",
                .caption = "Comune di nascita:",
                .shape = {.minWidth = 180}},
               provinceField({.member = txtProvNasc,
                              .control = "txtProvNasc",
                              .field = "ProvNasc",
                              .caption = "Prov.",
                              .flags = province}),
               {.member = txtSesso,
                .control = "txtSesso",
                .field = "Sesso",
                .caption = "Sesso:",
                .flags = UpperTyping,
                .shape = {.width = 44, .centred = true}},
               {.member = txtRecapito,
                .control = "txtRecapito",
                .field = ClientField::TelPreferenziale,
                .caption = "Tel. preferenziale:",
                .shape = {.minWidth = 150}},
               {.member = txtIndirizzoRes,
                .control = "txtIndirizzoRes",
                .field = "IndirizzoRes",
                .caption = "Residente in Via / Piazza e numero civico:",
                .shape = {.minWidth = 160}},
               provinceField({.member = txtProvRes,
                              .control = "txtProvRes",
                              .field = "ProvRes",
                              .caption = "Prov.",
                              .flags = province}),
               {.member = txtComuneRes,
                .control = "txtComuneRes",
                .field = "ComuneRes",
                .caption = "Comune di residenza:",
                .shape = {.minWidth = 140}},
               {.member = txtCapRes,
                .control = "txtCapRes",
                .field = "CapRes",
                .caption = "CAP:",
                .flags = UpperTyping,
                .shape = {.width = 70}},
               {.member = txtEstremi,
                .control = "txtEstremi",
                .field = ClientField::Pagamento,
                .caption = "Modalità di pagamento:",
                .shape = {.minWidth = 280}},
               {.member = txtTelCasa,
                .control = "txtTelCasa",
                .field = "TelCasa",
                .caption = "Tel. casa:",
                .shape = {.minWidth = 120}},
               {.member = txtTelUff,
                .control = "txtTelUff",
                .field = "TelUff",
                .caption = "Tel. ufficio:",
                .shape = {.minWidth = 120}},
               {.member = txtTelCel,
                .control = "txtTelCel",
                .field = "TelCel",
                .caption = "Tel. cellulare:",
                .input = FieldInput::Digits,
                .required = need + QStringLiteral("il numero di cellulare del cliente."),
                .shape = {.minWidth = 120}},
               {.member = txtFax,
                .control = "txtFax",
                .field = ClientField::Pec,
                .caption = "PEC:",
                .flags = TrimTyping,
                .shape = {.minWidth = 200}},
               {.member = txtEmail,
                .control = "txtEmail",
                .field = "Email",
                .caption = "E-mail:",
                .flags = TrimTyping | TrimOnLeave,
                .shape = {.minWidth = 200}},
               {.member = txtCodFisc,
                .control = "txtCodFisc",
                .field = "CodFisc",
                .caption = "Codice fiscale:",
                .flags = Code,
                .required = need + QStringLiteral("il codice fiscale del cliente."),
                .shape = {.minWidth = 170}},
               {.member = txtCarta,
                .control = "txtCarta",
                .field = "Carta",
                .caption = "Carta di credito n.",
                .input = FieldInput::Digits,
                .shape = {.minWidth = 200}},
               {.member = txtScadeCarta,
                .control = "txtScadeCarta",
                .field = "ScadeCarta",
                .caption = "Scadenza:",
                .shape = {.minWidth = 100}},
               {.member = txtPartitaIva,
                .control = "txtPartitaIva",
                .field = "PartitaIva",
                .caption = "Partita IVA:",
                .input = FieldInput::Digits,
                .shape = {.minWidth = 120}},
               {.member = txtIban,
                .control = "txtIban",
                .field = "Iban",
                .caption = "IBAN:",
                .flags = Code,
                .shape = {.minWidth = 230}},
               {.member = txtDocumento,
                .control = "txtDocumento",
                .field = "Documento",
                .caption = "Estremi documento:",
                .shape = {.minWidth = 280}},
               {.member = txtOccupazione,
                .control = "txtOccupazione",
                .field = "Occupazione",
                .caption = "Occupazione:",
                .shape = {.minWidth = 160}},
               {.member = txtCivile,
                .control = "txtCivile",
                .field = "Civile",
                .caption = "Stato civile:",
                .shape = {.minWidth = 120}},
               {.member = txtTitoli,
                .control = "txtTitoli",
                .field = "Titoli",
                .caption = "Titoli e qualifiche:",
                .shape = {.minWidth = 200}},
               {.member = txtProdotti,
                .control = "txtProdotti",
                .field = "Prodotti",
                .caption = "Prodotti o servizi di interesse:",
                .shape = {.minWidth = 280}},
               {.member = txtZona,
                .control = "txtZona",
                .field = "Zona",
                .caption = "Zona:",
                .shape = {.minWidth = 140}},
               {.member = txtQuestioni,
                .control = "txtQuestioni",
                .field = "Questioni",
                .caption = "Questioni in sospeso:",
                .shape = {.minWidth = 300}},
               {.member = chkRicontatta,
                .control = "chkRicontatta",
                .field = "Ricontatta",
                .caption = "Da ricontattare",
                .hint = QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso.")},
               {.member = txtNote,
                .control = "txtNote",
                .field = "Note",
                .caption = "Note:",
                .shape = {.minWidth = 300}},
           } +
           BandRows::attachmentFields(BandRows::AttachmentFields::Plain, ResetOnDuplicate);
}

CardDefinition TfrmClienti::definition() {
    CardDefinition d;
    d.layout = &Archives::clients();
    d.fields = fields();
    d.tabAlongFields = true;
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
    };
    // Salva reads every control as it is at the click, the edited one included.
    d.saveLeavesField = false;
    return d;
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
