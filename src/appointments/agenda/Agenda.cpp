#include "appointments/agenda/Agenda.h"

#include "appointments/agenda/AgendaArt.h"
#include "appointments/agenda/AgendaHelp.h"
#include "appointments/agenda/AgendaRules.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/planning/Planning.h"
#include "appointments/agenda/WhatsApp_Message.h"
#include "core/platform/Alarm.h"
#include "core/records/Archives.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "core/platform/Clock.h"
#include "core/platform/Fonts.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "ui/lists/RecordListView.h"
#include "core/records/RecordScan.h"
#include "appointments/agenda/BusyDays.h"
#include "core/text/TextRules.h"
#include "reports/ListReport.h"
#include "ui/widgets/Artwork.h"
#include "ui/windows/Guida.h"
#include "ui/widgets/LinkLabel.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

namespace {

const QColor kAgenda(190, 60, 70);

// An image button: the label painted on a glossy tile.
QToolButton *tile(QWidget *parent, const char *name, Artwork::Glyph glyph, const QString &label,
                  const QColor &color, int width = 330, int height = 56) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoRaise(true);
    b->setIconSize(QSize(width, height));
    b->setIcon(QIcon(Artwork::moduleTile(glyph, label, QSize(width, height), color)));
    b->setToolTip(label);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel *picture(QWidget *parent, const char *name, const QPixmap &pm) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setPixmap(pm);
    return l;
}

QLabel *holder(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

} // namespace

TfrmAgenda::TfrmAgenda(QWidget *parent) : ModuleWindow(parent) {
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral(" Tersalia - Agenda Interventi Programmati"));
    buildScreen();
}

void TfrmAgenda::buildScreen() {
    auto *background = new CardBackground(this);
    setCentralWidget(background);

    auto *title = new CardTitle(QStringLiteral("AGENDA APPUNTAMENTI"),
                                Artwork::icon(Artwork::Glyph::Agenda, 64, kAgenda), kAgenda, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    // Left: instruction, calendar, the two list buttons and the card.
    auto *instruction = picture(background, "imgIstruzioni", AgendaArt::instruction(QSize(330, 72)));
    // On today's date once at start-up; the system never moves it afterwards.
    calAppuntamenti = new MonthCalendar(background, "calAppuntamenti");
    calAppuntamenti->setFixedSize(330, 240);
    // Turning to another month shows its busy days.
    connect(calAppuntamenti, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { showBusyDays(year, month); });
    btnGiorno = tile(background, "btnGiorno", Artwork::Glyph::Agenda,
                     QStringLiteral("APPUNTAMENTI DEL GIORNO"), QColor(46, 112, 180));
    btnMese = tile(background, "btnMese", Artwork::Glyph::Agenda, QStringLiteral("APPUNTAMENTI DEL MESE"),
                   QColor(52, 140, 110));
    btnPlanning = tile(background, "btnPlanning", Artwork::Glyph::Clock,
                       QStringLiteral("PLANNING SETTIMANALE"), QColor(52, 72, 104), 290, 46);
    btnArchivio = tile(background, "btnArchivio", Artwork::Glyph::Contract,
                       QStringLiteral("INSERISCI APPUNTAMENTI"), QColor(200, 120, 40), 260);
    appApriArchivio =
        new ClickableImage(Artwork::icon(Artwork::Glyph::Clock, 56, QColor(200, 120, 40)), background);
    appApriArchivio->setObjectName(QStringLiteral("appApriArchivio"));
    appApriArchivio->setToolTip(QStringLiteral("INSERISCI APPUNTAMENTI"));
    appApriArchivio->setCursor(Qt::PointingHandCursor);

    auto *left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(instruction);
    left->addWidget(calAppuntamenti);
    left->addWidget(btnGiorno);
    left->addWidget(btnMese);
    left->addStretch(1);
    auto *open = new QHBoxLayout;
    open->addWidget(btnArchivio);
    open->addWidget(appApriArchivio);
    open->addStretch();
    left->addLayout(open);

    // Right: the message area, the list and its commands.
    imgAppuntamentiSI = picture(background, "imgAppuntamentiSI",
                                AgendaArt::speechBubble(QStringLiteral("Ci sono appuntamenti"),
                                                        QColor(230, 110, 80), QSize(300, 84)));
    imgPresenti = picture(background, "imgPresenti", AgendaArt::person(true, QSize(96, 96)));
    imgAppuntamentiNO = picture(background, "imgAppuntamentiNO",
                                AgendaArt::speechBubble(QStringLiteral("Non ci sono appuntamenti"),
                                                        QColor(90, 170, 110), QSize(300, 84)));
    imgAssenti = picture(background, "imgAssenti", AgendaArt::person(false, QSize(96, 96)));
    auto *message = new QHBoxLayout;
    message->addStretch();
    for (QLabel *l : {imgAppuntamentiSI, imgPresenti, imgAppuntamentiNO, imgAssenti})
        message->addWidget(l, 0, Qt::AlignBottom);
    message->addStretch();

    lstRecords = new RecordListView(background);
    lstRecords->setFont(Fonts::font(QStringLiteral("Courier New"), 14));
    lstRecords->setColumnsInView(AgendaRules::agendaMobileEnd());
    btnWhatsApp = CardParts::iconButton(background, "btnWhatsApp", CardIcons::icon(Symbol::WhatsApp), 48);
    btnWhatsApp->setToolTip(
        QStringLiteral("Invia un promemoria dell'appuntamento selezionato tramite WhatsApp"));

    imgGuida = new ClickableImage(Artwork::icon(Artwork::Glyph::Help, 44, QColor(40, 140, 90)), background);
    imgGuida->setObjectName(QStringLiteral("imgGuida"));
    imgGuida->setToolTip(QStringLiteral("Guida"));
    btnStampa = CardParts::command(background, "btnStampa", QStringLiteral("Stampa riepilogo"),
                                   CardIcons::icon(Symbol::Print));
    btnExcel = CardParts::command(background, "btnExcel", QStringLiteral("Esporta in Excel"),
                                  CardIcons::icon(Symbol::Export));
    for (QToolButton *b : {btnStampa, btnExcel})
        b->setFixedWidth(210);
    imgEsci = new ClickableImage(Artwork::icon(Artwork::Glyph::Exit, 44, QColor(190, 50, 50)), background);
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    imgEsci->setToolTip(QStringLiteral("Esci"));

    auto *listRow = new QHBoxLayout;
    listRow->addWidget(lstRecords, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(btnWhatsApp);
    side->addStretch();
    listRow->addLayout(side);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(14);
    bottom->addWidget(imgGuida);
    bottom->addStretch();
    bottom->addWidget(btnPlanning);
    bottom->addWidget(btnStampa);
    bottom->addWidget(btnExcel);
    bottom->addStretch();
    bottom->addWidget(imgEsci);
    auto *right = new QVBoxLayout;
    right->setSpacing(10);
    right->addLayout(message);
    right->addLayout(listRow, 1);
    right->addLayout(bottom);

    lblData = holder(background, "lblData");
    lblOra = holder(background, "lblOra");
    lblContatto = holder(background, "lblContatto");
    lblCel = holder(background, "lblCel");

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    body->addLayout(left);
    body->addLayout(right, 1);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addLayout(body, 1);

    // Until a list has been counted, nothing is imminent.
    showImminent(false);

    // A line chosen with the mouse or the arrow keys alike.
    connect(lstRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmAgenda::lstRecordsClick);
    connect(btnGiorno, &QToolButton::clicked, this, &TfrmAgenda::btnGiornoClick);
    connect(btnMese, &QToolButton::clicked, this, &TfrmAgenda::btnMeseClick);
    connect(btnPlanning, &QToolButton::clicked, this, &TfrmAgenda::btnPlanningClick);
    connect(btnExcel, &QToolButton::clicked, this, &TfrmAgenda::btnExcelClick);
    connect(btnStampa, &QToolButton::clicked, this, &TfrmAgenda::btnStampaClick);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmAgenda::btnWhatsAppClick);
    connect(btnArchivio, &QToolButton::clicked, this, &TfrmAgenda::btnArchivioClick);
    connect(appApriArchivio, &ClickableImage::clicked, this, &TfrmAgenda::btnArchivioClick);
    connect(imgGuida, &ClickableImage::clicked, this, &TfrmAgenda::imgGuidaClick);
    connect(imgEsci, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmAgenda::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (!event->spontaneous()) // shown by the program, not restored by the desktop
        FormShow();
}

void TfrmAgenda::FormShow() {
    for (QLabel *l : {lblData, lblOra, lblContatto, lblCel})
        l->clear();
    // The list and the count come from one reading of the archive: the count
    // is the number of lines. When the archive cannot be read to its end, the
    // pictures stay as they were and no sound plays.
    if (!buildList())
        return;
    const bool any = lstRecords->listModel()->count() > 0;
    showImminent(any);
    if (any)
        Alarm::player().play(ProgramFolder::file(alarmFileName()));
}

// The same reading collects the busy days of the month the calendar shows.
bool TfrmAgenda::buildList() {
    RecordListModel *model = lstRecords->listModel();
    const QDate today = Clock::today();
    BusyDays::Month busy(calAppuntamenti->yearShown(), calAppuntamenti->monthShown());
    const bool read = model->fill(ProgramFolder::file(Archives::appointments().fileName()),
                                  AgendaRules::agendaLineFormat(), [today, &busy](const char *record) {
                                      busy.see(record);
                                      return AgendaRules::isImminent(record, today);
                                  });
    model->sortNoCaseAZ();
    showBusyDays(busy);
    return read;
}

void TfrmAgenda::showBusyDays(int year, int month) {
    showBusyDays(BusyDays::Month(year, month),
                 BusyDays::inMonth(ProgramFolder::file(Archives::appointments().fileName()), year, month));
}

// The days with appointments in bold; every other day as the calendar draws it
// (a holiday in its colour).
void TfrmAgenda::showBusyDays(const BusyDays::Month &month, quint32 days) {
    QList<QDate> busy;
    for (int d = 1; d <= 31; ++d)
        if (days & (quint32(1) << d))
            busy << QDate(month.year(), month.month(), d);
    calAppuntamenti->setBoldDays(busy);
}

void TfrmAgenda::showBusyDays(const BusyDays::Month &collected) { showBusyDays(collected, collected.days()); }

void TfrmAgenda::showImminent(bool any) {
    imgPresenti->setVisible(any);
    imgAppuntamentiSI->setVisible(any);
    imgAssenti->setVisible(!any);
    imgAppuntamentiNO->setVisible(!any);
}

// The selected line leads to its own record through the record number kept
// with it, so two appointments with the same line are never mixed up.
void TfrmAgenda::lstRecordsClick() {
    const int row = lstRecords->currentRow();
    if (row < 0)
        return;
    // A record that cannot be read leaves the holders empty rather than
    // holding the previous line's client.
    for (QLabel *l : {lblData, lblOra, lblContatto, lblCel})
        l->clear();
    Record record(Archives::appointments());
    if (!lstRecords->listModel()->readRecord(row, ProgramFolder::file(Archives::appointments().fileName()),
                                             record))
        return;
    lblData->setText(record.get("Data"));
    lblOra->setText(record.get("Ora"));
    lblContatto->setText(record.get("Contatto"));
    lblCel->setText(record.get("Cel"));
}

void TfrmAgenda::btnGiornoClick() {
    auto *grid = new TfrmExpGiornaliere(calAppuntamenti->selectedDate(), this);
    grid->exec();
    delete grid;
}

void TfrmAgenda::btnMeseClick() {
    auto *grid = new TfrmExpMensili(calAppuntamenti->selectedDate(), this);
    grid->exec();
    delete grid;
}

// The planner opens over the agenda; closing it comes back here, with the
// list read again (a card saved from the planner may have changed it) but no
// alarm: the user has heard it.
void TfrmAgenda::btnPlanningClick() {
    {
        TfrmPlanning planning(m_card);
        planning.openOver();
    }
    if (buildList())
        showImminent(lstRecords->listModel()->count() > 0);
}

void TfrmAgenda::btnExcelClick() {
    auto *grid = new TfrmExpImminenti(this);
    grid->exec();
    delete grid;
}

void TfrmAgenda::btnStampaClick() {
    ListReport::print(this, QStringLiteral("Riepilogo appuntamenti imminenti"),
                      lstRecords->listModel()->lines());
}

void TfrmAgenda::btnWhatsAppClick() {
    if (lstRecords->listModel()->count() == 0) {
        Messages::warning(this,
                          QStringLiteral("Invio messaggio di WhatsApp non applicabile: la lista non contiene "
                                         "nessun appuntamento."));
        return;
    }
    if (lstRecords->currentRow() < 0) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera "
                                         "inviare il promemoria dell'appuntamento prima di fare clic "
                                         "sull'icona di WhatsApp."));
        return;
    }
    auto *message = new TfrmWhatsApp_Message(this);
    message->txtData->setText(Text::trim(lblData->text()));
    message->txtOra->setText(Text::trim(lblOra->text()));
    message->txtContatto->setText(Text::trim(lblContatto->text()));
    message->txtCel->setText(Text::trim(lblCel->text()));
    message->exec();
    delete message;
}

void TfrmAgenda::btnArchivioClick() {
    if (!m_card)
        return;
    m_card->openModule();
    hide();
}

void TfrmAgenda::imgGuidaClick() { TfrmGuida::showHelp(this, agendaHelp()); }

void TfrmAgenda::moduleClosing() { Alarm::player().stop(); }
