#include "contracts/card/Contratto.h"

#include "clients/ClientSearch.h"
#include "contracts/print/AnteprimaCon.h"
#include "contracts/card/ContractPlanning.h"
#include "contracts/card/ContrattoHelp.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/print/Logo.h"
#include "contracts/card/Numerazione.h"
#include "contracts/print/StampaCon.h"
#include "contracts/card/TrovaContratti.h"
#include "contracts/card/ContractSettings.h"
#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardScreen.h"
#include "ui/windows/Guida.h"
#include "ui/windows/Satellite.h"
#include "ui/card/ScrollingForm.h"
#include "validators/Checks.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kBand(96, 70, 150);

// A command picture of the contract screen that the shared icons lack: a
// short text on the command's tile ("N." for the numbering, the euro sign for
// the logo).
QIcon textIcon(const QString &text, const QColor &color) {
    QIcon icon;
    for (int s : {16, 24, 32, 48}) {
        QPixmap pm(s, s);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s / 5.0, s / 5.0);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(int(s * 0.5));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, text);
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

TfrmContratto::TfrmContratto(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmContratto"));
    setWindowTitle(QStringLiteral("  Tersalia - Stesura Contratti"));
    CardDefinition d = definition();
    buildScreen(d.fields);
    connectCommands();
    m_company.emplace(this);
    // The company's data stay on a new card: they are the settings the screen keeps.
    for (CardField &f : d.fields)
        if (m_company->holds(f.control))
            f.flags |= FieldFlag::KeepOnNew;
    m_card = new CardScreen(this, std::move(d));
}

// The 48 fields of Contratti.pro, in the Enter order; the record names its
// fields after the controls.
QList<CardField> TfrmContratto::fields() {
    using namespace FieldFlag;
    using BandRows::provinceField;
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    QList<CardField> f = {
        // The company.
        {.member = txtDitta,
         .control = "txtDitta",
         .caption = "Impresa di Pulizie:",
         .required = need + QStringLiteral("la denominazione dell'impresa di pulizie."),
         .requiredOrder = 1},
        {.member = txtPartitaIva,
         .control = "txtPartitaIva",
         .caption = "Partita IVA:",
         .input = FieldInput::Digits},
        {.member = txtCodFisc, .control = "txtCodFisc", .caption = "Codice fiscale:", .flags = Code},
        {.member = txtSede, .control = "txtSede", .caption = "Città sede legale:"},
        provinceField({.member = txtProvRes, .control = "txtProvRes", .caption = "Prov.", .flags = Code}),
        {.member = txtCapRes, .control = "txtCapRes", .caption = "CAP:", .shape = {.width = 70}},
        {.member = txtVia, .control = "txtVia", .caption = "Via e numero civico:"},
        {.member = txtTelUff, .control = "txtTelUff", .caption = "Telefono:"},
        {.member = txtTelCel, .control = "txtTelCel", .caption = "PEC:"},
        {.member = txtFax, .control = "txtFax", .caption = "Responsabile legale:"},
        // The contract.
        {.member = txtNumContratto,
         .control = "txtNumContratto",
         .caption = "CONTRATTO N.",
         .flags = KeepOnNew | ResetOnDuplicate,
         .required = need + QStringLiteral("il numero progressivo del contratto."),
         .requiredOrder = 3,
         .shape = {.centred = true}},
        {.member = txtData,
         .control = "txtData",
         .caption = "Data stipula:",
         .required = need + QStringLiteral("la data di stipula del contratto."),
         .requiredOrder = 4,
         .shape = {.centred = true}},
        {.member = txtLuogo, .control = "txtLuogo", .caption = "Luogo stipula:"},
        // The client.
        {.member = txtCliente,
         .control = "txtCliente",
         .caption = "Cliente:",
         .required = need + QStringLiteral("il nome o la ragione sociale del cliente."),
         .requiredOrder = 2},
        {.member = txtComuneCli, .control = "txtComuneCli", .caption = "Comune di residenza:"},
        provinceField({.member = txtProvCli, .control = "txtProvCli", .caption = "Prov.", .flags = Code}),
        {.member = txtCapCli, .control = "txtCapCli", .caption = "CAP:", .shape = {.width = 70}},
        {.member = txtPartitaIvaCli,
         .control = "txtPartitaIvaCli",
         .caption = "Partita IVA:",
         .input = FieldInput::Digits},
        {.member = txtCodFiscCli, .control = "txtCodFiscCli", .caption = "Codice fiscale:", .flags = Code},
        {.member = txtViaCli, .control = "txtViaCli", .caption = "Via e numero civico:"},
        {.member = txtTelCli, .control = "txtTelCli", .caption = "Telefono:"},
        {.member = txtQualitaCli,
         .control = "txtQualitaCli",
         .caption = "Frequenza servizi:",
         .items = {QStringLiteral("Giornaliera"), QStringLiteral("Settimanale"),
                   QStringLiteral("Bisettimanale"), QStringLiteral("Mensile")}},
        // The building and the terms of the service.
        {.member = txtTipoImpianto, .control = "txtTipoImpianto", .caption = "Tipo immobile:"},
        {.member = txtMarca, .control = "txtMarca", .caption = "Ubicazione immobile:"},
        {.member = txtMatricola, .control = "txtMatricola", .caption = "Durata contratto:"},
        {.member = txtAlimentazione, .control = "txtAlimentazione", .caption = "Fornitore dei materiali:"},
        {.member = txtAnnoCostruz, .control = "txtAnnoCostruz", .caption = "Foro competente:"},
        {.member = txtCaratteristiche, .control = "txtCaratteristiche", .caption = "Condizioni per recesso:"},
        {.member = txtUbicazione, .control = "txtUbicazione", .caption = "Polizza assicurativa:"},
        {.member = txtDurata, .control = "txtDurata", .caption = "Orari intervento:"},
        {.member = txtTotale, .control = "txtTotale", .caption = "Durata intervento:"},
        {.member = txtPeriodicita,
         .control = "txtPeriodicita",
         .caption = "Periodicità canone:",
         .items = {QStringLiteral("Mensile"), QStringLiteral("Bimestrale"), QStringLiteral("Trimestrale"),
                   QStringLiteral("Semestrale"), QStringLiteral("Annuale"), QStringLiteral("Tarriffa oraria"),
                   QStringLiteral("Tariffa per intervento")}},
        {.member = txtImpCanone,
         .control = "txtImpCanone",
         .caption = "Importo canone:",
         .input = FieldInput::Fee,
         .initial = QStringLiteral("0,00"),
         .shape = {.right = true}},
        {.member = txtPagamento, .control = "txtPagamento", .caption = "Modalità di pagamento:"},
    };
    // The activities included, then those excluded, each numbered in its column.
    static const char *const included[] = {"txtOpInc01", "txtOpInc02", "txtOpInc03", "txtOpInc04"};
    static const char *const excluded[] = {"txtOpEsc01", "txtOpEsc02", "txtOpEsc03", "txtOpEsc04"};
    static const char *const numbers[] = {"1.", "2.", "3.", "4."};
    for (int i = 0; i < 4; ++i)
        f.append({.member = txtOpInc[i], .control = included[i], .caption = numbers[i]});
    for (int i = 0; i < 4; ++i)
        f.append({.member = txtOpEsc[i], .control = excluded[i], .caption = numbers[i]});
    return f + BandRows::attachmentFields(BandRows::AttachmentFields::ControlNames);
}

CardDefinition TfrmContratto::definition() {
    CardDefinition d;
    d.layout = &Archives::contracts();
    d.fields = fields();
    d.fieldsNamedAfterControls = true;
    d.hints = {
        {"cmdNuovo", QStringLiteral("Predispone la schermata per l'emissione di un nuovo contratto.")},
        {"cmdDuplica", QStringLiteral("Prepara la schermata per la registrazione di un nuovo contratto "
                                      "duplicando i dati correnti.")},
        {"cmdSalva", QStringLiteral("Salva o aggiorna il contratto corrente.")},
        {"cmdTrova", QStringLiteral("Trova un contratto in archivio.")},
        {"cmdAllega", QStringLiteral("Allega file al contratto corrente.")},
        {"cmdImporta", QStringLiteral("Importa i dati del cliente dall'archivio anagrafico.")},
        {"cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa del contratto corrente.")},
        {"cmdStampa", QStringLiteral("Stampa il contratto corrente.")},
        {"cmdPianifica", QStringLiteral("Pianifica gli interventi del contratto corrente nello schedario "
                                        "appuntamenti, per un anno.")},
        {"cmdPrimo", QStringLiteral("Visualizza il primo contratto in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza il contratto precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza il contratto successivo in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultimo contratto in archivio.")},
        {"cmdNumerazione", QStringLiteral("Imposta il numero iniziale per la numerazione dei contratti.")},
        {"cmdLogo", QStringLiteral("Carica il logo della Ditta Pulizie.")},
        {"cmdEsporta", QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida in linea sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci dalla schermata di lavoro corrente.")},
        {"btnData", QStringLiteral("Inserisci la data corrente.")},
        {"btnPartitaIva", QStringLiteral("Controlla il numero di partita IVA.")},
        {"btnCodFisc", QStringLiteral("Controlla il codice fiscale.")},
        {"btnPartitaIvaCli", QStringLiteral("Controlla il numero di partita IVA.")},
        {"btnCodFiscCli", QStringLiteral("Controlla il codice fiscale.")},
    };
    d.firstField = "txtCliente";
    // The texts are saved as they stand: no field is left first, no default filled in.
    d.saveLeavesField = false;
    d.duplicateWarning = QStringLiteral(
        "Attenzione: questa funzione serve a duplicare un contratto che è già stato salvato in "
        "archivio.\n\r\n\rVisualizzare il contratto da duplicare e fare clic sul pulsante Duplica.");
    d.duplicateDone = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                     "corrente.\n\r\n\rAl termine premere Salva "
                                     "per inserire in archivio il nuovo contratto.");
    d.archiveFailureAsWarning = {CardCommand::Save, CardCommand::First};
    d.newCommand = [this]() { cmdNuovoClick(); };
    d.onNew = [this]() { txtData->setText(Formats::dateText(Clock::today())); };
    d.afterDuplicate = [this]() {
        m_numbering.forget(); // the duplicate gets no number of its own
        txtData->setText(Formats::dateText(Clock::today()));
    };
    d.beforeStore = [this]() { return dateIsValid(); };
    d.beforeAppend = [this](qint64 count, Record &record) { m_numbering.onAppend(count, record); };
    d.afterSave = [this](qint64) {
        m_numbering.forget();
        if (const auto renumbered = m_numbering.takeRenumbered()) {
            txtNumContratto->setText(QString::number(renumbered->second));
            Messages::information(this,
                                  ContractRenumbering::renumberedText(renumbered->first, renumbered->second));
        }
    };
    return d;
}

void TfrmContratto::buildScreen(const QList<CardField> &fields) {
    auto *background = new CardBackground(this);
    setCentralWidget(background);
    background->setStyleSheet(CardParts::styleSheet());

    auto *title =
        new CardTitle(QStringLiteral("STESURA CONTRATTI PULIZIE"),
                      CardIcons::pixmap(Symbol::Print, 56, QColor(150, 110, 200)), kBand, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    // Captions and fields in two column pairs, the captions of the bands under each other;
    // a caption of the second pair keeps a clear gap from the field before it.
    using BandRows::Rows;
    const BandRows::RowLook look{.columns = true, .indent = 14};
    const QIcon done = CardIcons::icon(Symbol::Done);

    auto *company = new CardBand(QStringLiteral("IMPRESA DI PULIZIE"), kBand, background);
    company->setObjectName(QStringLiteral("panDitta"));
    Rows co(company, look, &fields);
    co.row({co.field(txtDitta, {.span = 3})});
    co.row(
        {co.group({co.field(txtPartitaIva), {nullptr, co.button(btnPartitaIva, "btnPartitaIva", done, 26)}}),
         co.group({co.field(txtCodFisc), {nullptr, co.button(btnCodFisc, "btnCodFisc", done, 26)}})});
    co.row({co.group({co.field(txtSede), co.field(txtProvRes), co.field(txtCapRes)}, {.span = 3})});
    co.row({co.field(txtVia, {.span = 3})});
    co.row({co.field(txtTelUff), co.field(txtTelCel)});
    co.row({co.field(txtFax, {.span = 3})});

    auto *contract = new CardBand(QStringLiteral("CONTRATTO"), kBand, background);
    contract->setObjectName(QStringLiteral("panContratto"));
    Rows ct(contract, look, &fields);
    ct.row({ct.field(txtNumContratto)});
    ct.row({ct.group({ct.field(txtData),
                      {nullptr, ct.button(btnData, "btnData", CardIcons::icon(Symbol::Calendar), 26)}})});
    ct.row({ct.field(txtLuogo)});
    contract->grid()->setRowStretch(3, 1);

    auto *client = new CardBand(QStringLiteral("CLIENTE"), kBand, background);
    client->setObjectName(QStringLiteral("panCliente"));
    Rows cl(client, look, &fields);
    cl.row({cl.group({cl.field(txtCliente),
                      {nullptr, cl.button(cmdImporta, "cmdImporta", CardIcons::icon(Symbol::Import), 26)}},
                     {.span = 3})});
    cl.row({cl.group({cl.field(txtComuneCli), cl.field(txtProvCli), cl.field(txtCapCli)}, {.span = 3})});
    cl.row({cl.group({cl.field(txtPartitaIvaCli),
                      {nullptr, cl.button(btnPartitaIvaCli, "btnPartitaIvaCli", done, 26)}}),
            cl.group(
                {cl.field(txtCodFiscCli), {nullptr, cl.button(btnCodFiscCli, "btnCodFiscCli", done, 26)}})});
    cl.row({cl.field(txtViaCli, {.span = 3})});
    cl.row({cl.field(txtTelCli), cl.field(txtQualitaCli)});

    auto *terms = new CardBand(QStringLiteral("IMMOBILE E CONDIZIONI DEL SERVIZIO"), kBand, background);
    terms->setObjectName(QStringLiteral("panCondizioni"));
    Rows t(terms, look, &fields);
    t.row({t.field(txtTipoImpianto), t.field(txtMarca)});
    t.row({t.field(txtMatricola), t.field(txtAlimentazione)});
    t.row({t.field(txtAnnoCostruz), t.field(txtCaratteristiche)});
    t.row({t.field(txtUbicazione), t.field(txtDurata)});
    t.row({t.field(txtTotale), t.field(txtPeriodicita)});
    t.row({t.field(txtImpCanone), t.field(txtPagamento)});

    // The activities included and excluded. The fields are made column by column, so Tab
    // walks the included activities, then the excluded ones, as Enter does.
    auto *activities = new CardBand(QStringLiteral("ATTIVITA'"), kBand, background);
    activities->setObjectName(QStringLiteral("panAttivita"));
    {
        Rows a(activities, look, &fields);
        BandRows::Cell included[4], excluded[4];
        for (int i = 0; i < 4; ++i)
            included[i] = a.field(txtOpInc[i]);
        for (int i = 0; i < 4; ++i)
            excluded[i] = a.field(txtOpEsc[i]);
        const auto heading = [activities](const QString &text) {
            QLabel *l = CardParts::caption(text, activities);
            l->setWordWrap(true);
            return l;
        };
        a.row(
            {{nullptr, heading(QStringLiteral("ATTIVITA' COMPRESE NEL CONTRATTO (es. pulizia pavimenti; "
                                              "svuotamento cestini; pulizia servizi igienici):"))},
             {nullptr, heading(QStringLiteral("ATTIVITA' ESCLUSE DAL CONTRATTO (es. spolveratura superfici; "
                                              "pulizia vetri; lavaggio moquette):"))}});
        for (int i = 0; i < 4; ++i)
            a.row({included[i], excluded[i]});
    }
    for (CardBand *band : {company, client, terms, activities}) {
        band->grid()->setColumnStretch(1, 1);
        band->grid()->setColumnStretch(3, 1);
    }
    contract->grid()->setColumnStretch(1, 1);

    // Hidden state.
    std::tie(lblFile[0], lblFile[1], lblFile[2], lblDesc[0], lblDesc[1], lblDesc[2]) =
        BandRows::attachmentLabels(background, true);
    lblInizio = BandRows::hidden(background, QStringLiteral("lblInizio"), QStringLiteral("1"));

    BandRows::alignCaptions({&co, &cl, &t}, 0);
    BandRows::alignCaptions({&cl, &t}, 2);
    // Rows a little closer than on the other cards, so the 24 rows of the
    // sections fit a 1920x1080 screen whole.
    for (CardBand *band : {company, contract, client, terms, activities})
        band->grid()->setVerticalSpacing(6);

    // The sections scroll under the title where the screen is too low for
    // them all; the title, the commands and the hint panel stay in view.
    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(company, 3);
    top->addWidget(contract, 2);
    auto *sections = new QVBoxLayout;
    sections->setContentsMargins(0, 0, 0, 0);
    sections->setSpacing(8);
    sections->addLayout(top);
    sections->addWidget(client);
    sections->addWidget(terms);
    sections->addWidget(activities);
    sections->addStretch();
    auto *card = new QVBoxLayout;
    card->setSpacing(8);
    card->addWidget(title);
    card->addWidget(ScrollingForm::wrap(sections, background), 1);

    // Command column, hint panel and navigation row.
    const auto command = [](QToolButton *&button, const char *name, const QString &label, const QIcon &icon) {
        return CardParts::Command{&button, name, label, icon};
    };
    CardParts::cardFrame(
        background, card,
        {.band = kBand,
         .columnWidth = 220,
         .spacing = 14,
         .margins = QMargins(16, 10, 16, 10),
         .rowSpacing = 8,
         .hint = QStringLiteral("Pronto per stampare una nuova tessera...")},
        {{command(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), CardIcons::icon(Symbol::New)),
          command(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), CardIcons::icon(Symbol::Duplicate)),
          command(cmdSalva, "cmdSalva", QStringLiteral("Salva"), CardIcons::icon(Symbol::Save)),
          command(cmdTrova, "cmdTrova", QStringLiteral("Trova"), CardIcons::icon(Symbol::Find)),
          command(cmdAllega, "cmdAllega", QStringLiteral("Allega file"), CardIcons::icon(Symbol::Attach))},
         {command(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"),
                  CardIcons::icon(Symbol::Preview)),
          command(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), CardIcons::icon(Symbol::Print)),
          command(cmdPianifica, "cmdPianifica", QStringLiteral("Pianifica interventi"),
                  CardIcons::icon(Symbol::Repeat))},
         {command(cmdNumerazione, "cmdNumerazione", QStringLiteral("N. iniziale"),
                  textIcon(QStringLiteral("N."), QColor(96, 70, 150))),
          command(cmdLogo, "cmdLogo", QStringLiteral("Logo"), CardIcons::icon(Symbol::Logo)),
          command(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"),
                  CardIcons::icon(Symbol::Export))}})
        .handTo(*this);
}

void TfrmContratto::connectCommands() {
    connect(cmdImporta, &QToolButton::clicked, this, [this]() {
        ClientSearch::open(this, QStringLiteral("contratto"),
                           [this](const Record &client, qint64) { importClient(client); });
    });
    connect(cmdAllega, &QToolButton::clicked, this,
            [this]() { TfrmAllegaCartella::edit(this, QStringLiteral("contratti")); });
    connect(cmdTrova, &QToolButton::clicked, this, [this]() {
        openSatellite<TfrmTrovaContratti>(this, [this](TfrmTrovaContratti *search) {
            search->lblMemory->setText(QStringLiteral("contratti"));
            search->setHandBack(m_card->showChosen());
        });
    });
    // Print and preview take the card as it is on screen, saved or not.
    connect(cmdStampa, &QToolButton::clicked, this, [this]() {
        Record contract(Archives::contracts());
        m_card->collect(contract);
        TfrmStampaCon(this, contract).exec();
    });
    connect(cmdAnteprima, &QToolButton::clicked, this, [this]() {
        Record contract(Archives::contracts());
        m_card->collect(contract);
        TfrmAnteprimaCon(this, contract).exec();
    });
    connect(cmdNumerazione, &QToolButton::clicked, this, [this]() {
        openSatellite<TfrmNumerazione>(this, [](TfrmNumerazione *numbering) {
            numbering->setWindowTitle(QStringLiteral(" Impostazione inizio numerazione contratti"));
            numbering->lblMemory->setText(QStringLiteral("contratti"));
        });
    });
    connect(cmdLogo, &QToolButton::clicked, this, [this]() { openSatellite<TfrmLogo>(this); });
    connect(cmdPianifica, &QToolButton::clicked, this, &TfrmContratto::cmdPianificaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, [this]() { openSatellite<TfrmExpContratti>(this); });
    connect(cmdGuida, &QToolButton::clicked, this, [this]() { TfrmGuida::showHelp(this, contractHelp()); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(btnData, &QToolButton::clicked, this,
            [this]() { txtData->setText(Formats::dateText(Clock::today())); });
    connect(btnPartitaIva, &QToolButton::clicked, this,
            [this]() { Checks::vatNumber(this, Text::trim(txtPartitaIva->text())); });
    connect(btnPartitaIvaCli, &QToolButton::clicked, this,
            [this]() { Checks::vatNumber(this, Text::trim(txtPartitaIvaCli->text())); });
    connect(btnCodFisc, &QToolButton::clicked, this,
            [this]() { Checks::taxCodeField(this, Text::trim(txtCodFisc->text())); });
    connect(btnCodFiscCli, &QToolButton::clicked, this,
            [this]() { Checks::taxCodeField(this, Text::trim(txtCodFiscCli->text())); });
}

bool TfrmContratto::dateIsValid() {
    if (Formats::parseDate(Text::trim(txtData->text())).isValid())
        return true;
    Messages::warning(this,
                      QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                                     "scheda è necessario indicare una data valida nel formato "
                                     "gg/mm/anno."));
    txtData->setFocus(Qt::OtherFocusReason);
    return false;
}

void TfrmContratto::cmdNuovoClick() {
    const QString start = ContractSettings::startValue();
    lblInizio->setText(start.isEmpty() ? QStringLiteral("1") : start);
    const std::optional<qint64> number = m_numbering.propose();
    if (!number) {
        m_card->showArchiveFailure(CardCommand::New);
        return;
    }
    m_card->newCard();
    txtNumContratto->setText(QString::number(*number));
}

void TfrmContratto::importClient(const Record &client) {
    const struct {
        const char *from;
        QLineEdit *to;
    } copies[] = {{"Cliente", txtCliente},
                  {"ComuneRes", txtComuneCli},
                  {"CapRes", txtCapCli},
                  {"PartitaIva", txtPartitaIvaCli},
                  {"CodFisc", txtCodFiscCli},
                  {"IndirizzoRes", txtViaCli},
                  {ClientField::TelPreferenziale, txtTelCli},
                  {ClientField::Pagamento, txtPagamento}};
    for (const auto &c : copies)
        c.to->setText(Text::trim(client.get(c.from)));
    txtProvCli->setEditText(Text::trim(client.get("ProvRes")));
}

void TfrmContratto::cmdPianificaClick() {
    if (Text::trim(txtCliente->text()).isEmpty()) {
        Messages::warning(this, ContractPlanning::noClientText());
        txtCliente->setFocus(Qt::OtherFocusReason);
        return;
    }
    Record contract(Archives::contracts());
    m_card->collect(contract);
    ContractPlanning::open(this, contract);
}

void TfrmContratto::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (event->spontaneous()) // restored by the desktop, not shown by the program
        return;
    m_company->read();
    txtNumContratto->clear();
    m_numbering.forget();
    m_card->newCard();
}

void TfrmContratto::moduleClosing() { m_company->write(); }
