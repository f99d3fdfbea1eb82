#include "clients/Clienti.h"

#include "clients/AllegaExcel.h"
#include "clients/ClientPrint.h"
#include "clients/ClientiHelp.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/TrovaClienti.h"
#include "core/Archives.h"
#include "core/Messages.h"
#include "core/OpenURL.h"
#include "core/Provinces.h"
#include "core/TextRules.h"
#include "ui/AllegaCartella.h"
#include "ui/CardIcons.h"
#include "ui/CardParts.h"
#include "ui/CardScreen.h"
#include "ui/Guida.h"
#include "ui/Satellite.h"
#include "privacy/PrivacyForm.h"
#include "validators/Checks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kBand(176, 104, 40);

QLineEdit *edit(QWidget *parent, const char *name, int minWidth = 0) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (minWidth > 0)
        e->setMinimumWidth(minWidth);
    return e;
}

QComboBox *provinceList(QWidget *parent, const char *name) {
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(14);
    c->addItems(Provinces::codes());
    c->setFixedWidth(72);
    return c;
}

QLabel *hiddenLabel(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

// A row of captions and fields: {caption, widget, stretch}; a null caption adds the widget alone.
struct Cell {
    const char *caption;
    QWidget *widget;
    int stretch = 0;
};
QHBoxLayout *row(QWidget *band, std::initializer_list<Cell> cells) {
    auto *r = new QHBoxLayout;
    r->setSpacing(8);
    bool first = true;
    for (const Cell &c : cells) {
        if (c.caption) {
            if (!first)
                r->addSpacing(10);
            QLabel *caption = CardParts::caption(QString::fromUtf8(c.caption), band);
            caption->setMinimumWidth(caption->sizeHint().width()); // the fields give way, never the caption
            r->addWidget(caption);
        }
        r->addWidget(c.widget, c.stretch);
        first = false;
    }
    return r;
}

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmClienti"));
    setWindowTitle(QStringLiteral(" Tersalia - Clienti e Servizi"));
    setMinimumSize(1240, 760);
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

    // Personal data and residence.
    auto *personal = new CardBand(QStringLiteral("DATI ANAGRAFICI E RESIDENZA"), kBand, background);
    personal->setObjectName(QStringLiteral("panAnagrafica"));
    txtCliente = edit(personal, "txtCliente", 300);
    txtRecapito = edit(personal, "txtRecapito", 150);
    txtDataNasc = edit(personal, "txtDataNasc", 110);
    txtDataNasc->setAlignment(Qt::AlignCenter);
    txtComuneNasc = edit(personal, "txtComuneNasc", 180);
    txtProvNasc = provinceList(personal, "txtProvNasc");
    txtSesso = edit(personal, "txtSesso");
    txtSesso->setAlignment(Qt::AlignCenter);
    txtSesso->setFixedWidth(44);
    txtIndirizzoRes = edit(personal, "txtIndirizzoRes", 160);
    txtProvRes = provinceList(personal, "txtProvRes");
    txtComuneRes = edit(personal, "txtComuneRes", 140);
    txtCapRes = edit(personal, "txtCapRes");
    txtCapRes->setFixedWidth(70);
    {
        QGridLayout *g = personal->grid();
        g->addLayout(row(personal, {{"Cognome e nome (o Ragione sociale):", txtCliente, 3},
                                    {"Tel. preferenziale:", txtRecapito, 1}}),
                     0, 0);
        g->addLayout(row(personal, {{"Data di nascita:", txtDataNasc, 1},
                                    {"Comune di nascita:", txtComuneNasc, 3},
                                    {"Prov.", txtProvNasc},
                                    {"Sesso:", txtSesso}}),
                     1, 0);
        g->addLayout(row(personal, {{"Residente in Via / Piazza e numero civico:", txtIndirizzoRes, 3},
                                    {"Prov.", txtProvRes},
                                    {"Comune di residenza:", txtComuneRes, 2},
                                    {"CAP:", txtCapRes}}),
                     2, 0);
    }

    // Telephones and e-mail.
    auto *contacts = new CardBand(QStringLiteral("TELEFONI E POSTA ELETTRONICA"), kBand, background);
    contacts->setObjectName(QStringLiteral("panRecapiti"));
    txtTelCasa = edit(contacts, "txtTelCasa", 120);
    txtTelUff = edit(contacts, "txtTelUff", 120);
    txtTelCel = edit(contacts, "txtTelCel", 120);
    txtFax = edit(contacts, "txtFax", 200);
    txtEmail = edit(contacts, "txtEmail", 200);
    btnEmail = CardParts::iconButton(contacts, "btnEmail", CardIcons::icon(Symbol::Mail));
    {
        QGridLayout *g = contacts->grid();
        g->addLayout(row(contacts, {{"Tel. casa:", txtTelCasa, 1},
                                    {"Tel. ufficio:", txtTelUff, 1},
                                    {"Tel. cellulare:", txtTelCel, 1}}),
                     0, 0);
        g->addLayout(row(contacts, {{"PEC:", txtFax, 1}, {"E-mail:", txtEmail, 1}, {nullptr, btnEmail}}), 1,
                     0);
    }

    // Fiscal and payment data.
    auto *fiscal = new CardBand(QStringLiteral("DATI FISCALI E DI PAGAMENTO"), kBand, background);
    fiscal->setObjectName(QStringLiteral("panFiscali"));
    const QIcon check = CardIcons::icon(Symbol::Check);
    txtCodFisc = edit(fiscal, "txtCodFisc", 170);
    btnCodFisc = CardParts::iconButton(fiscal, "btnCodFisc", check);
    txtPartitaIva = edit(fiscal, "txtPartitaIva", 120);
    btnPartitaIva = CardParts::iconButton(fiscal, "btnPartitaIva", check);
    txtIban = edit(fiscal, "txtIban", 250);
    btnIban = CardParts::iconButton(fiscal, "btnIban", check);
    txtCarta = edit(fiscal, "txtCarta", 200);
    btnCarta = CardParts::iconButton(fiscal, "btnCarta", check);
    txtScadeCarta = edit(fiscal, "txtScadeCarta", 100);
    txtEstremi = edit(fiscal, "txtEstremi", 300);
    {
        QGridLayout *g = fiscal->grid();
        g->addLayout(row(fiscal, {{"Codice fiscale:", txtCodFisc, 1},
                                  {nullptr, btnCodFisc},
                                  {"Partita IVA:", txtPartitaIva, 1},
                                  {nullptr, btnPartitaIva},
                                  {"IBAN:", txtIban, 2},
                                  {nullptr, btnIban}}),
                     0, 0);
        g->addLayout(row(fiscal, {{"Carta di credito n.", txtCarta, 2},
                                  {nullptr, btnCarta},
                                  {"Scadenza:", txtScadeCarta, 1},
                                  {"Modalità di pagamento:", txtEstremi, 3}}),
                     1, 0);
    }

    // Document, occupation and interests.
    auto *profile = new CardBand(QStringLiteral("DOCUMENTO, OCCUPAZIONE E INTERESSI"), kBand, background);
    profile->setObjectName(QStringLiteral("panProfilo"));
    txtDocumento = edit(profile, "txtDocumento", 300);
    txtOccupazione = edit(profile, "txtOccupazione", 160);
    txtCivile = edit(profile, "txtCivile", 120);
    txtTitoli = edit(profile, "txtTitoli", 200);
    txtProdotti = edit(profile, "txtProdotti", 300);
    txtZona = edit(profile, "txtZona", 140);
    {
        QGridLayout *g = profile->grid();
        g->addLayout(row(profile, {{"Estremi documento:", txtDocumento, 3},
                                   {"Occupazione:", txtOccupazione, 2},
                                   {"Stato civile:", txtCivile, 1}}),
                     0, 0);
        g->addLayout(row(profile, {{"Titoli e qualifiche:", txtTitoli, 2},
                                   {"Prodotti o servizi di interesse:", txtProdotti, 3},
                                   {"Zona:", txtZona, 1}}),
                     1, 0);
    }

    // Pending issues and notes.
    auto *notes = new CardBand(QStringLiteral("QUESTIONI IN SOSPESO E NOTE"), kBand, background);
    notes->setObjectName(QStringLiteral("panNote"));
    txtQuestioni = edit(notes, "txtQuestioni", 300);
    chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), notes);
    chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
    txtNote = edit(notes, "txtNote", 300);
    btnPrivacy = CardParts::iconButton(notes, "btnPrivacy", CardIcons::icon(Symbol::Privacy));
    {
        QGridLayout *g = notes->grid();
        g->addLayout(row(notes, {{"Questioni in sospeso:", txtQuestioni, 1}, {nullptr, chkRicontatta}}), 0,
                     0);
        g->addLayout(row(notes, {{"Note:", txtNote, 1}, {nullptr, btnPrivacy}}), 1, 0);
    }

    lblFile01 = hiddenLabel(background, "lblFile01");
    lblFile02 = hiddenLabel(background, "lblFile02");
    lblFile03 = hiddenLabel(background, "lblFile03");
    lblDesc01 = hiddenLabel(background, "lblDesc01");
    lblDesc02 = hiddenLabel(background, "lblDesc02");
    lblDesc03 = hiddenLabel(background, "lblDesc03");

    auto *card = new QVBoxLayout;
    card->setSpacing(10);
    card->addWidget(title);
    for (CardBand *band : {personal, contacts, fiscal, profile, notes})
        card->addWidget(band);
    card->addStretch();

    // Command column, hint panel and navigation row.
    const auto command = [](QToolButton *&button, const char *name, const QString &label, Symbol s) {
        return CardParts::Command{&button, name, label, CardIcons::icon(s)};
    };
    CardParts::cardFrame(
        background, card,
        {kBand, 210, 5, 8, 16, QMargins(18, 12, 18, 10), 10,
         QStringLiteral("Pronto per archiviare una nuova scheda...")},
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

    // The tab order follows the Enter order, with the check box between the
    // pending issues and the notes.
    QWidget *tabOrder[] = {txtCliente,  txtDataNasc,     txtComuneNasc,  txtProvNasc,   txtSesso,
                           txtRecapito, txtIndirizzoRes, txtProvRes,     txtComuneRes,  txtCapRes,
                           txtEstremi,  txtTelCasa,      txtTelUff,      txtTelCel,     txtFax,
                           txtEmail,    txtCodFisc,      txtCarta,       txtScadeCarta, txtPartitaIva,
                           txtIban,     txtDocumento,    txtOccupazione, txtCivile,     txtTitoli,
                           txtProdotti, txtZona,         txtQuestioni,   chkRicontatta, txtNote};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

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
