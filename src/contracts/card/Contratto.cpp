#include "contracts/card/Contratto.h"

#include "appointments/repetition/AppointmentRepeat.h"
#include "clients/ClientSearch.h"
#include "contracts/print/AnteprimaCon.h"
#include "contracts/card/ContractNumber.h"
#include "contracts/card/ContractSettings.h"
#include "contracts/card/ContractVisits.h"
#include "contracts/card/ContrattoHelp.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/print/Logo.h"
#include "contracts/card/Numerazione.h"
#include "contracts/print/StampaCon.h"
#include "contracts/card/TrovaContratti.h"
#include "core/records/Archives.h"
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

TfrmContratto::TfrmContratto(QWidget *parent)
    : ModuleWindow(parent), m_company(this, &ContractSettings::path, ContractSettings::companySection(),
                                      ContractSettings::companyKeys()) {
    setObjectName(QStringLiteral("frmContratto"));
    setWindowTitle(QStringLiteral("  Tersalia - Stesura Contratti"));
    buildScreen();
    buildCard();
}

QString TfrmContratto::companyNotSavedText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile salvare i dati dell'impresa di pulizie nel file "
        "Contratti.ini.\n\r\n\rI dati restano visualizzati nella schermata fino alla chiusura del programma: "
        "accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

void TfrmContratto::buildScreen() {
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
    Rows co(company, look);
    co.row({{"Impresa di Pulizie:", co.edit(txtDitta, "txtDitta"), -1, 3}});
    co.row({{"Partita IVA:", co.beside({{nullptr, co.edit(txtPartitaIva, "txtPartitaIva")},
                                        {nullptr, co.button(btnPartitaIva, "btnPartitaIva", done, 26)}})},
            {"Codice fiscale:", co.beside({{nullptr, co.edit(txtCodFisc, "txtCodFisc")},
                                           {nullptr, co.button(btnCodFisc, "btnCodFisc", done, 26)}})}});
    co.row({{"Città sede legale:",
             co.beside({{nullptr, co.edit(txtSede, "txtSede")},
                        {"Prov.", co.provinces(txtProvRes, "txtProvRes")},
                        {"CAP:", co.edit(txtCapRes, "txtCapRes", {.width = 70})}}),
             -1, 3}});
    co.row({{"Via e numero civico:", co.edit(txtVia, "txtVia"), -1, 3}});
    co.row({{"Telefono:", co.edit(txtTelUff, "txtTelUff")}, {"PEC:", co.edit(txtTelCel, "txtTelCel")}});
    co.row({{"Responsabile legale:", co.edit(txtFax, "txtFax"), -1, 3}});

    auto *contract = new CardBand(QStringLiteral("CONTRATTO"), kBand, background);
    contract->setObjectName(QStringLiteral("panContratto"));
    Rows ct(contract, look);
    ct.row({{"CONTRATTO N.", ct.edit(txtNumContratto, "txtNumContratto", {.centred = true})}});
    ct.row({{"Data stipula:",
             ct.beside({{nullptr, ct.edit(txtData, "txtData", {.centred = true})},
                        {nullptr, ct.button(btnData, "btnData", CardIcons::icon(Symbol::Calendar), 26)}})}});
    ct.row({{"Luogo stipula:", ct.edit(txtLuogo, "txtLuogo")}});
    contract->grid()->setRowStretch(3, 1);

    auto *client = new CardBand(QStringLiteral("CLIENTE"), kBand, background);
    client->setObjectName(QStringLiteral("panCliente"));
    Rows cl(client, look);
    cl.row({{"Cliente:",
             cl.beside({{nullptr, cl.edit(txtCliente, "txtCliente")},
                        {nullptr, cl.button(cmdImporta, "cmdImporta", CardIcons::icon(Symbol::Import), 26)}}),
             -1, 3}});
    cl.row({{"Comune di residenza:",
             cl.beside({{nullptr, cl.edit(txtComuneCli, "txtComuneCli")},
                        {"Prov.", cl.provinces(txtProvCli, "txtProvCli")},
                        {"CAP:", cl.edit(txtCapCli, "txtCapCli", {.width = 70})}}),
             -1, 3}});
    cl.row(
        {{"Partita IVA:", cl.beside({{nullptr, cl.edit(txtPartitaIvaCli, "txtPartitaIvaCli")},
                                     {nullptr, cl.button(btnPartitaIvaCli, "btnPartitaIvaCli", done, 26)}})},
         {"Codice fiscale:", cl.beside({{nullptr, cl.edit(txtCodFiscCli, "txtCodFiscCli")},
                                        {nullptr, cl.button(btnCodFiscCli, "btnCodFiscCli", done, 26)}})}});
    cl.row({{"Via e numero civico:", cl.edit(txtViaCli, "txtViaCli"), -1, 3}});
    cl.row({{"Telefono:", cl.edit(txtTelCli, "txtTelCli")},
            {"Frequenza servizi:", cl.list(txtQualitaCli, "txtQualitaCli",
                                           {QStringLiteral("Giornaliera"), QStringLiteral("Settimanale"),
                                            QStringLiteral("Bisettimanale"), QStringLiteral("Mensile")})}});

    auto *terms = new CardBand(QStringLiteral("IMMOBILE E CONDIZIONI DEL SERVIZIO"), kBand, background);
    terms->setObjectName(QStringLiteral("panCondizioni"));
    Rows t(terms, look);
    t.row({{"Tipo immobile:", t.edit(txtTipoImpianto, "txtTipoImpianto")},
           {"Ubicazione immobile:", t.edit(txtMarca, "txtMarca")}});
    t.row({{"Durata contratto:", t.edit(txtMatricola, "txtMatricola")},
           {"Fornitore dei materiali:", t.edit(txtAlimentazione, "txtAlimentazione")}});
    t.row({{"Foro competente:", t.edit(txtAnnoCostruz, "txtAnnoCostruz")},
           {"Condizioni per recesso:", t.edit(txtCaratteristiche, "txtCaratteristiche")}});
    t.row({{"Polizza assicurativa:", t.edit(txtUbicazione, "txtUbicazione")},
           {"Orari intervento:", t.edit(txtDurata, "txtDurata")}});
    t.row({{"Durata intervento:", t.edit(txtTotale, "txtTotale")},
           {"Periodicità canone:",
            t.list(txtPeriodicita, "txtPeriodicita",
                   {QStringLiteral("Mensile"), QStringLiteral("Bimestrale"), QStringLiteral("Trimestrale"),
                    QStringLiteral("Semestrale"), QStringLiteral("Annuale"),
                    QStringLiteral("Tarriffa oraria"), QStringLiteral("Tariffa per intervento")})}});
    t.row({{"Importo canone:", t.edit(txtImpCanone, "txtImpCanone", {.right = true})},
           {"Modalità di pagamento:", t.edit(txtPagamento, "txtPagamento")}});

    // The activities included and excluded. The fields are made column by column, so Tab
    // walks the included activities, then the excluded ones, as Enter does.
    auto *activities = new CardBand(QStringLiteral("ATTIVITA'"), kBand, background);
    activities->setObjectName(QStringLiteral("panAttivita"));
    {
        Rows a(activities, look);
        const auto column = [&](QLineEdit **edits, const char *name) {
            for (int i = 0; i < 4; ++i)
                a.edit(edits[i], (name + QByteArray::number(i + 1).rightJustified(2, '0')).constData());
        };
        column(txtOpInc, "txtOpInc");
        column(txtOpEsc, "txtOpEsc");
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
        static const char *const numbers[] = {"1.", "2.", "3.", "4."};
        for (int i = 0; i < 4; ++i)
            a.row({{numbers[i], txtOpInc[i]}, {numbers[i], txtOpEsc[i]}});
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

void TfrmContratto::buildCard() {
    using namespace FieldFlag;
    const unsigned codeRule = TrimTyping | UpperTyping;
    CardDefinition d;
    d.layout = &Archives::contracts();
    d.fields = {
        {.control = "txtNumContratto", .field = "txtNumContratto", .flags = KeepOnNew | ResetOnDuplicate},
        {.control = "txtData", .field = "txtData"},
        {.control = "txtLuogo", .field = "txtLuogo"},
        {.control = "txtDitta", .field = "txtDitta"},
        {.control = "txtPartitaIva", .field = "txtPartitaIva", .input = FieldInput::Digits},
        {.control = "txtCodFisc", .field = "txtCodFisc", .flags = codeRule},
        {.control = "txtSede", .field = "txtSede"},
        {.control = "txtProvRes", .field = "txtProvRes", .flags = codeRule},
        {.control = "txtCapRes", .field = "txtCapRes"},
        {.control = "txtVia", .field = "txtVia"},
        {.control = "txtTelUff", .field = "txtTelUff"},
        {.control = "txtTelCel", .field = "txtTelCel"},
        {.control = "txtFax", .field = "txtFax"},
        {.control = "txtCliente", .field = "txtCliente"},
        {.control = "txtComuneCli", .field = "txtComuneCli"},
        {.control = "txtProvCli", .field = "txtProvCli", .flags = codeRule},
        {.control = "txtCapCli", .field = "txtCapCli"},
        {.control = "txtPartitaIvaCli", .field = "txtPartitaIvaCli", .input = FieldInput::Digits},
        {.control = "txtCodFiscCli", .field = "txtCodFiscCli", .flags = codeRule},
        {.control = "txtViaCli", .field = "txtViaCli"},
        {.control = "txtTelCli", .field = "txtTelCli"},
        {.control = "txtQualitaCli", .field = "txtQualitaCli"},
        {.control = "txtTipoImpianto", .field = "txtTipoImpianto"},
        {.control = "txtMarca", .field = "txtMarca"},
        {.control = "txtMatricola", .field = "txtMatricola"},
        {.control = "txtAlimentazione", .field = "txtAlimentazione"},
        {.control = "txtAnnoCostruz", .field = "txtAnnoCostruz"},
        {.control = "txtCaratteristiche", .field = "txtCaratteristiche"},
        {.control = "txtUbicazione", .field = "txtUbicazione"},
        {.control = "txtDurata", .field = "txtDurata"},
        {.control = "txtTotale", .field = "txtTotale"},
        {.control = "txtPeriodicita", .field = "txtPeriodicita"},
        {.control = "txtImpCanone",
         .field = "txtImpCanone",
         .input = FieldInput::Fee,
         .initial = QStringLiteral("0,00")},
        {.control = "txtPagamento", .field = "txtPagamento"},
        {.control = "txtOpInc01", .field = "txtOpInc01"},
        {.control = "txtOpInc02", .field = "txtOpInc02"},
        {.control = "txtOpInc03", .field = "txtOpInc03"},
        {.control = "txtOpInc04", .field = "txtOpInc04"},
        {.control = "txtOpEsc01", .field = "txtOpEsc01"},
        {.control = "txtOpEsc02", .field = "txtOpEsc02"},
        {.control = "txtOpEsc03", .field = "txtOpEsc03"},
        {.control = "txtOpEsc04", .field = "txtOpEsc04"},
        {.control = "lblFile01", .field = "lblFile01"},
        {.control = "lblFile02", .field = "lblFile02"},
        {.control = "lblFile03", .field = "lblFile03"},
        {.control = "lblDesc01", .field = "lblDesc01"},
        {.control = "lblDesc02", .field = "lblDesc02"},
        {.control = "lblDesc03", .field = "lblDesc03"},
    };
    // The company's data stay on a new card: they are the settings the screen keeps.
    for (CardField &f : d.fields)
        if (m_company.holds(f.control))
            f.flags |= KeepOnNew;
    d.enterOrder = {
        "txtDitta",         "txtPartitaIva",  "txtCodFisc",         "txtSede",       "txtProvRes",
        "txtCapRes",        "txtVia",         "txtTelUff",          "txtTelCel",     "txtFax",
        "txtNumContratto",  "txtData",        "txtLuogo",           "txtCliente",    "txtComuneCli",
        "txtProvCli",       "txtCapCli",      "txtPartitaIvaCli",   "txtCodFiscCli", "txtViaCli",
        "txtTelCli",        "txtQualitaCli",  "txtTipoImpianto",    "txtMarca",      "txtMatricola",
        "txtAlimentazione", "txtAnnoCostruz", "txtCaratteristiche", "txtUbicazione", "txtDurata",
        "txtTotale",        "txtPeriodicita", "txtImpCanone",       "txtPagamento",  "txtOpInc01",
        "txtOpInc02",       "txtOpInc03",     "txtOpInc04",         "txtOpEsc01",    "txtOpEsc02",
        "txtOpEsc03",       "txtOpEsc04"};
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    d.required = {
        {"txtDitta", need + QStringLiteral("la denominazione dell'impresa di pulizie.")},
        {"txtCliente", need + QStringLiteral("il nome o la ragione sociale del cliente.")},
        {"txtNumContratto", need + QStringLiteral("il numero progressivo del contratto.")},
        {"txtData", need + QStringLiteral("la data di stipula del contratto.")},
    };
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
        m_proposal.reset(); // the duplicate gets no number of its own
        txtData->setText(Formats::dateText(Clock::today()));
    };
    d.beforeStore = [this]() { return dateIsValid(); };
    d.beforeAppend = [this](qint64 count, Record &record) { numberOnAppend(count, record); };
    d.afterSave = [this](qint64) {
        m_proposal.reset();
        if (const auto renumbered = std::exchange(m_renumbered, std::nullopt)) {
            txtNumContratto->setText(QString::number(renumbered->second));
            Messages::information(this, renumberedText(renumbered->first, renumbered->second));
        }
    };
    m_card = new CardScreen(this, std::move(d));
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
    const std::optional<ContractNumber::Proposal> proposal = ContractNumber::propose();
    if (!proposal) {
        m_card->showArchiveFailure(CardCommand::New);
        return;
    }
    m_card->newCard();
    txtNumContratto->setText(QString::number(proposal->number));
    m_proposal = proposal;
}

QString TfrmContratto::renumberedText(qint64 proposed, qint64 saved) {
    return QStringLiteral("Il numero %1 è stato assegnato nel frattempo a un altro contratto, salvato da "
                          "un'altra postazione.\n\r\n\rIl contratto corrente prende il numero %2.")
        .arg(proposed)
        .arg(saved);
}

void TfrmContratto::numberOnAppend(qint64 count, Record &record) {
    m_renumbered.reset();
    // A number typed by hand (or changed) is kept as typed.
    if (!m_proposal || Text::trim(record.get("txtNumContratto")) != QString::number(m_proposal->number))
        return;
    // Only contracts saved since Nuovo move it (an archive never shrinks).
    const qint64 number = ContractNumber::forRecord(m_proposal->start, count);
    if (number <= m_proposal->number)
        return;
    record.set("txtNumContratto", QString::number(number));
    m_renumbered = {m_proposal->number, number};
}

void TfrmContratto::importClient(const Record &client) {
    const struct {
        const char *from;
        QLineEdit *to;
    } copies[] = {{"Cliente", txtCliente},          {"ComuneRes", txtComuneCli}, {"CapRes", txtCapCli},
                  {"PartitaIva", txtPartitaIvaCli}, {"CodFisc", txtCodFiscCli},  {"IndirizzoRes", txtViaCli},
                  {"Recapito", txtTelCli},          {"Estremi", txtPagamento}};
    for (const auto &c : copies)
        c.to->setText(Text::trim(client.get(c.from)));
    txtProvCli->setEditText(Text::trim(client.get("ProvRes")));
}

QString TfrmContratto::noClientToPlanText() {
    return QStringLiteral("Attenzione: per pianificare gli interventi è necessario indicare il nome o la "
                          "ragione sociale del cliente.");
}

void TfrmContratto::cmdPianificaClick() {
    if (Text::trim(txtCliente->text()).isEmpty()) {
        Messages::warning(this, noClientToPlanText());
        txtCliente->setFocus(Qt::OtherFocusReason);
        return;
    }
    ContractVisits::Contract contract{.number = txtNumContratto->text(),
                                      .date = txtData->text(),
                                      .client = txtCliente->text(),
                                      .vat = txtPartitaIvaCli->text(),
                                      .taxCode = txtCodFiscCli->text(),
                                      .phone = txtTelCli->text(),
                                      .hours = txtDurata->text(),
                                      .frequency = txtQualitaCli->currentText()};
    for (QLineEdit *activity : txtOpInc)
        contract.included << activity->text();
    const Record appointment = ContractVisits::appointment(contract, Clock::today());
    AppointmentRepeat::open(
        this, appointment,
        ContractVisits::repetition(contract.frequency, Formats::parseDate(appointment.get("Data"))));
}

void TfrmContratto::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (event->spontaneous()) // restored by the desktop, not shown by the program
        return;
    m_company.read();
    txtNumContratto->clear();
    m_proposal.reset();
    m_card->newCard();
}

void TfrmContratto::moduleClosing() {
    if (!m_company.write())
        Messages::warning(this, companyNotSavedText());
}
