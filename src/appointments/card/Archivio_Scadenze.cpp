#include "appointments/card/Archivio_Scadenze.h"

#include "appointments/card/AppointmentRequired.h"
#include "ui/widgets/Artwork.h"

#include "appointments/summaries/Assolti.h"
#include "appointments/summaries/Confermati.h"
#include "appointments/repetition/Ripetizione.h"
#include "appointments/summaries/Scaduti.h"
#include "appointments/card/StampaScadenza.h"
#include "appointments/card/Startup.h"
#include "appointments/summaries/TrovaScadenze.h"

#include "appointments/card/Archivio_ScadenzeHelp.h"
#include "clients/ClientSearch.h"
#include "appointments/exports/ExpScadenzario.h"
#include "appointments/agenda/WhatsApp.h"
#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"
#include "ui/widgets/Calendario.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/BandRows.h"
#include "ui/card/CardScreen.h"
#include "ui/input/KeyFilters.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "ui/windows/Guida.h"
#include "core/platform/OpenURL.h"
#include "ui/windows/Satellite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kBand(38, 96, 150);

// The reminder line under the card, shown as a picture.
QPixmap reminderPicture() {
    const QStringList lines = {
        QStringLiteral("Ad appuntamento assolto, spunta la casella \"Impegno assolto\" e salva la scheda:"),
        QStringLiteral("l'appuntamento non comparirà più tra quelli imminenti.")};
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    f.setItalic(true);
    const QFontMetrics fm(f);
    const int w = std::max(fm.horizontalAdvance(lines[0]), fm.horizontalAdvance(lines[1])) + 56;
    const int h = 2 * fm.height() + 12;
    QPixmap pm = Artwork::transparent(QSize(w, h));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(214, 170, 60), 1));
    p.setBrush(QColor(255, 248, 220));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p.drawPixmap(8, (h - 24) / 2, CardIcons::pixmap(Symbol::Done, 24, CardIcons::defaultColor(Symbol::Done)));
    p.setFont(f);
    p.setPen(QColor(110, 80, 10));
    p.drawText(QRect(42, 6, w - 50, h - 12), Qt::AlignVCenter | Qt::AlignLeft, lines.join(QLatin1Char('\n')));
    return pm;
}

} // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmArchivio_Scadenze"));
    setWindowTitle(QStringLiteral(" Tersalia - Schedario Appuntamenti"));
    CardDefinition d = definition();
    buildScreen(d.fields);
    m_card = new CardScreen(this, std::move(d));
}

void TfrmArchivio_Scadenze::buildScreen(const QList<CardField> &fields) {
    auto *background = new CardBackground(this);
    setCentralWidget(background);

    // Title band.
    auto *title =
        new CardTitle(QStringLiteral("SCHEDA APPUNTAMENTO"),
                      CardIcons::pixmap(Symbol::Calendar, 64, QColor(230, 120, 60)), kBand, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    using BandRows::Rows;

    // Date, time and notice.
    auto *when = new CardBand(QString(), kBand, background);
    when->setObjectName(QStringLiteral("panData"));
    auto *alarm = new QLabel(when);
    alarm->setObjectName(QStringLiteral("imgSveglia"));
    alarm->setPixmap(CardIcons::pixmap(Symbol::AlarmClock, 34, CardIcons::defaultColor(Symbol::AlarmClock)));
    Rows w(when, {.spacing = 10, .gap = 0}, &fields);
    w.row({w.field(txtData),
           {nullptr, w.button(impData, "impData", CardIcons::icon(Symbol::Calendar))},
           {.control = alarm, .gap = 24},
           w.field(txtOreApp),
           w.field(txtMinutiApp),
           w.field(txtAvviso, {.gap = 24}),
           {}});

    auto *services = new CardBand(QStringLiteral("DESCRIZIONE SERVIZI"), kBand, background);
    services->setObjectName(QStringLiteral("panServizi"));
    Rows s(services, {.columns = true}, &fields);
    s.row({s.field(txtTipologia)});
    s.row({s.field(txtCausale)});
    s.row({s.field(txtDettagli)});
    services->grid()->setColumnStretch(1, 1);

    auto *client = new CardBand(QStringLiteral("DATI CLIENTE"), kBand, background);
    client->setObjectName(QStringLiteral("panCliente"));
    Rows c(client, {.columns = true}, &fields);
    c.row({c.group({c.field(txtContatto),
                    {nullptr, c.button(impContatto, "impContatto", CardIcons::icon(Symbol::Import))}})});
    c.row({c.group({c.field(txtTel, {.stretch = 2}),
                    c.field(txtCel, {.stretch = 2, .gap = 16}),
                    {nullptr, c.button(btnWhatsApp, "btnWhatsApp", CardIcons::icon(Symbol::WhatsApp))},
                    c.field(txtEmail, {.stretch = 3, .gap = 16}),
                    {nullptr, c.button(btnEmail, "btnEmail", CardIcons::icon(Symbol::Mail))}},
                   {}, 10)});
    c.row({c.group({c.field(txtLuogo), c.field(txtImporto, {.gap = 16})}, {}, 10)});
    client->grid()->setColumnStretch(1, 1);

    auto *notes = new CardBand(QStringLiteral("NOTE"), kBand, background);
    notes->setObjectName(QStringLiteral("panNote"));
    Rows n(notes, {}, &fields);
    n.row({n.field(txtNote)});

    // Fulfilled flag and the reminder picture.
    BandRows::checkField(background, chkOttemperata, &fields);
    auto *reminder = new QLabel(background);
    reminder->setObjectName(QStringLiteral("imgPromemoria"));
    reminder->setPixmap(reminderPicture());
    BandRows::hiddenFields(background, fields);

    auto *card = new QVBoxLayout;
    card->setSpacing(12);
    card->addWidget(title);
    card->addWidget(when);
    card->addWidget(services);
    card->addWidget(client);
    card->addWidget(notes);
    auto *flag = new QHBoxLayout;
    flag->addWidget(chkOttemperata);
    flag->addSpacing(24);
    flag->addWidget(reminder);
    flag->addStretch();
    card->addLayout(flag);
    card->addStretch();

    // Command column, hint panel and navigation row.
    const auto command = [](QToolButton *&button, const char *name, const QString &label, Symbol s) {
        return CardParts::Command{&button, name, label, CardIcons::icon(s)};
    };
    CardParts::cardFrame(
        background, card,
        {.band = kBand,
         .commandSpacing = 6,
         .groupGap = 10,
         .margins = QMargins(18, 14, 18, 12),
         .rowSpacing = 12,
         .hint = QStringLiteral("Pronto per archiviare una nuova scheda...")},
        {{command(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Symbol::New),
          command(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Symbol::Duplicate),
          command(cmdRipeti, "cmdRipeti", QStringLiteral("Ripeti"), Symbol::Repeat),
          command(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Symbol::Save),
          command(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Symbol::Find)},
         {command(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Symbol::Preview),
          command(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Symbol::Print)},
         {command(cmdAssolti, "cmdAssolti", QStringLiteral("Assolti"), Symbol::Done),
          command(cmdDaAssolvere, "cmdDaAssolvere", QStringLiteral("Da assolvere"), Symbol::Pending),
          command(cmdScaduti, "cmdScaduti", QStringLiteral("Scaduti"), Symbol::Overdue),
          command(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), Symbol::Export)}})
        .handTo(*this);

    // The client search copies the client's name, telephones, e-mail and
    // payment method into this card; nothing else of the appointment changes.
    connect(impContatto, &QToolButton::clicked, this, [this]() {
        ClientSearch::open(this, QStringLiteral("scadenze"), [this](const Record &client, qint64) {
            txtContatto->setText(client.get("Cliente"));
            txtTel->setText(client.get(ClientField::TelPreferenziale));
            txtCel->setText(client.get("TelCel"));
            txtEmail->setText(client.get("Email"));
            txtLuogo->setText(client.get(ClientField::Pagamento));
        });
    });
    connect(cmdTrova, &QToolButton::clicked, this, [this]() {
        auto *search = new TfrmTrovaScadenze(this);
        search->setAttribute(Qt::WA_DeleteOnClose);
        search->lblMemory->setText(QStringLiteral("scadenze"));
        search->setHandBack(m_card->showChosen());
        search->exec();
    });
    const auto backToCard = [this](SummaryScreen *summary) { summary->setHandBack(m_card->showChosen()); };
    connect(cmdDaAssolvere, &QToolButton::clicked, this,
            [=]() { openSatellite<TfrmConfermati>(this, backToCard); });
    connect(cmdScaduti, &QToolButton::clicked, this, [=]() { openSatellite<TfrmScaduti>(this, backToCard); });
    connect(cmdAssolti, &QToolButton::clicked, this, [=]() { openSatellite<TfrmAssolti>(this, backToCard); });
    // Print and preview take the card as it is on screen, saved or not.
    connect(cmdStampa, &QToolButton::clicked, this, [this]() {
        Record appointment(Archives::appointments());
        m_card->collect(appointment);
        TfrmStampaScadenza(this, appointment).exec();
    });
    connect(cmdAnteprima, &QToolButton::clicked, this, [this]() {
        Record appointment(Archives::appointments());
        m_card->collect(appointment);
        TfrmStartup(this, appointment).exec();
    });

    connect(impData, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::impDataClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::btnEmailClick);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::btnWhatsAppClick);
    connect(cmdEsporta, &QToolButton::clicked, this, [this]() { openSatellite<TfrmExpScadenzario>(this); });
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdGuidaClick);
    connect(cmdRipeti, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdRipetiClick);
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
}

// The 16 fields of Archivio_Appuntamenti.pro. Enter walks from the hours to
// the notes and then the date, which takes no typing.
QList<CardField> TfrmArchivio_Scadenze::fields() {
    using namespace FieldFlag;
    return {
        {.member = txtData,
         .control = "txtData",
         .field = "Data",
         .caption = "Data appuntamento:",
         .flags = ResetOnDuplicate,
         .enter = EnterPlace::Last,
         .shape = {.width = 120, .centred = true, .readOnly = true}},
        {.member = txtOreApp,
         .control = "txtOreApp",
         .field = "Ore",
         .caption = "Ore:",
         .input = FieldInput::ListOnly,
         .flags = ResetOnDuplicate,
         .initial = QStringLiteral("00"),
         .shape = {.width = 72},
         .items = BandRows::twoDigitItems(24)},
        {.member = txtMinutiApp,
         .control = "txtMinutiApp",
         .field = "Minuti",
         .caption = "Minuti:",
         .input = FieldInput::ListOnly,
         .flags = ResetOnDuplicate,
         .initial = QStringLiteral("00"),
         .shape = {.width = 72},
         .items = BandRows::twoDigitItems(60)},
        {.member = lblOra, .control = "lblOra", .field = "Ora"}, // the time text, made by Salva
        {.member = txtAvviso,
         .control = "txtAvviso",
         .field = "Avviso",
         .caption = "Giorni di preavviso:",
         .input = FieldInput::Digits,
         .initial = QStringLiteral("0"),
         .whenEmpty = QStringLiteral("0"),
         .shape = {.width = 64, .centred = true}},
        {.member = txtTipologia,
         .control = "txtTipologia",
         .field = AppointmentField::Operatore,
         .caption = "Operatore:"},
        {.member = txtCausale,
         .control = "txtCausale",
         .field = AppointmentField::Servizi,
         .caption = "Servizi richiesti dal cliente:"},
        {.member = txtDettagli, .control = "txtDettagli", .field = "Dettagli", .caption = "Dettagli:"},
        {.member = txtContatto,
         .control = "txtContatto",
         .field = "Contatto",
         .caption = "Cognome e nome (o Ragione sociale):"},
        {.member = txtTel,
         .control = "txtTel",
         .field = "Tel",
         .caption = "Telefono:",
         .shape = {.minWidth = 130}},
        {.member = txtCel,
         .control = "txtCel",
         .field = "Cel",
         .caption = "Cellulare:",
         .input = FieldInput::Digits,
         .shape = {.minWidth = 130}},
        {.member = txtEmail,
         .control = "txtEmail",
         .field = "Email",
         .caption = "E-mail:",
         .flags = TrimTyping,
         .shape = {.minWidth = 190}},
        {.member = txtLuogo,
         .control = "txtLuogo",
         .field = AppointmentField::Pagamento,
         .caption = "Modalità di pagamento:"},
        {.member = txtImporto,
         .control = "txtImporto",
         .field = "Importo",
         .caption = "Importo:",
         .input = FieldInput::Amount,
         .initial = QStringLiteral("0,00"),
         .whenEmpty = QStringLiteral("0,00"),
         .shape = {.width = 140, .right = true}},
        {.member = txtNote, .control = "txtNote", .field = "Note"},
        {.member = chkOttemperata,
         .control = "chkOttemperata",
         .field = AppointmentField::Assolto,
         .caption = "Impegno assolto",
         .hint = QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto.")},
    };
}

CardDefinition TfrmArchivio_Scadenze::definition() {
    CardDefinition d;
    d.layout = &Archives::appointments();
    d.fields = fields();
    // Salva asks what every way of storing an appointment asks, in that order.
    for (CardField &f : d.fields) {
        f.required = AppointmentRequired::warningFor(f.control);
        f.requiredOrder = AppointmentRequired::orderOf(f.control);
    }
    d.hints = {
        {"cmdNuovo", QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")},
        {"cmdDuplica",
         QStringLiteral(
             "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")},
        {"cmdRipeti", QStringLiteral("Ripete l'appuntamento corrente ogni tanti giorni, settimane o mesi, "
                                     "inserendo in archivio tutti gli appuntamenti in una volta.")},
        {"cmdSalva", QStringLiteral("Salva la scheda corrente in archivio.")},
        {"cmdTrova", QStringLiteral("Trova una scheda in archivio.")},
        {"cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente.")},
        {"cmdStampa", QStringLiteral("Stampa la scheda corrente.")},
        {"cmdAssolti", QStringLiteral("Visualizza il riepilogo degli impegni assolti.")},
        {"cmdDaAssolvere",
         QStringLiteral("Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non.")},
        {"cmdScaduti", QStringLiteral("Visualizza il riepilogo degli impegni scaduti e non assolti.")},
        {"cmdEsporta", QStringLiteral("Esporta l'archivio in un file di Excel.")},
        {"cmdGuida", QStringLiteral("Visualizza la guida in linea.")},
        {"cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")},
        {"cmdPrimo", QStringLiteral("Visualizza la prima scheda in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"btnEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"btnWhatsApp", QStringLiteral("Invia conferma appuntamento al cliente tramite WhatsApp.")},
        {"impContatto", QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti.")},
        {"impData", QStringLiteral("Importa la data dal calendario.")},
    };
    // The time text is rewritten from hours and minutes at every save.
    d.beforeStore = [this]() {
        lblOra->setText(Text::trim(txtOreApp->currentText()) + QLatin1Char(':') +
                        Text::trim(txtMinutiApp->currentText()));
        return true;
    };
    d.keyHook = [this](QWidget *w, QKeyEvent *e) { return w == txtData && txtDataKeyDown(e); };
    return d;
}

void TfrmArchivio_Scadenze::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (!event->spontaneous()) // shown by the program, not restored by the desktop
        m_card->newCard();
}

// The date is read-only: Backspace and Delete empty it, any other key opens
// the calendar.
bool TfrmArchivio_Scadenze::txtDataKeyDown(QKeyEvent *e) {
    if (KeyFilters::isWindowKey(e))
        return false;
    if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)
        txtData->clear();
    else
        impDataClick();
    return true;
}

void TfrmArchivio_Scadenze::impDataClick() {
    auto *calendar = new TfrmCalendario(this);
    calendar->markForAppointmentDate(txtData);
    calendar->exec();
    delete calendar;
}

void TfrmArchivio_Scadenze::btnEmailClick() { TMisc::Open(TMisc::mailCommand(Text::trim(txtEmail->text()))); }

void TfrmArchivio_Scadenze::btnWhatsAppClick() {
    const QString prefix =
        QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite "
                       "WhatsApp è necessario indicare ");
    const QString date = Text::trim(txtData->text());
    if (date.isEmpty()) {
        Messages::warning(this, prefix + QStringLiteral("la data."));
        txtData->setFocus();
        return;
    }
    const QString mobile = Text::trim(txtCel->text());
    if (mobile.isEmpty()) {
        Messages::warning(this, prefix + QStringLiteral("il suo numero di cellulare."));
        txtCel->setFocus();
        return;
    }
    TMisc::Open(WhatsApp::sendLink(mobile, WhatsApp::confirmationText(Text::trim(txtOreApp->currentText()),
                                                                      Text::trim(txtMinutiApp->currentText()),
                                                                      date)));
}

// The card as Salva would store it repeated: the required fields first; a new
// card is written with its repetitions and then shows its record number.
void TfrmArchivio_Scadenze::cmdRipetiClick() {
    if (!m_card->readyToStore())
        return;
    Record appointment(Archives::appointments());
    m_card->collect(appointment);
    const bool isNew = m_card->position() == 0;
    TfrmRipetizione screen(this, appointment, isNew);
    screen.afterWrite = [this, isNew](qint64 first) {
        if (isNew)
            m_card->showStored(first);
    };
    screen.exec();
}

void TfrmArchivio_Scadenze::cmdGuidaClick() { TfrmGuida::showHelp(this, appointmentCardHelp()); }
