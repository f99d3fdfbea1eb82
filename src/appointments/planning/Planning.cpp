#include "appointments/planning/Planning.h"

#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/planning/PlanningHelp.h"
#include "appointments/planning/PlanningPrint.h"
#include "appointments/planning/PlanningView.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordScan.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/CardScreen.h"
#include "ui/windows/Guida.h"
#include "ui/windows/HintTracker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using Planning::State;
using Symbol = CardIcons::Symbol;

namespace {

const QColor kAgenda(190, 60, 70);
// The working morning the week opens on.
constexpr int kMorning = 8;

QString archivePath() { return ProgramFolder::file(Archives::appointments().fileName()); }

// A legend line: a block's colours and what they mean.
QLabel *legend(QWidget *parent, const char *name, State state, const QString &text) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    const QFontMetrics fm(f);
    const QSize size(34 + fm.horizontalAdvance(text) + 4, std::max(22, fm.height() + 6));
    QPixmap pm = Artwork::transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(PlanningLook::border(state));
    p.setBrush(PlanningLook::fill(state));
    p.drawRoundedRect(QRectF(0.5, 3.5, 26, size.height() - 7), 3, 3);
    p.setFont(f);
    p.setPen(QColor(40, 48, 60));
    p.drawText(QRect(34, 0, size.width() - 34, size.height()), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.end();
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setPixmap(pm);
    l->setToolTip(text);
    return l;
}

} // namespace

TfrmPlanning::TfrmPlanning(TfrmArchivio_Scadenze *card, QWidget *parent)
    : ModuleWindow(parent), m_card(card) {
    setObjectName(QStringLiteral("frmPlanning"));
    setWindowTitle(QStringLiteral(" Tersalia - Planning Settimanale"));
    buildScreen();
}

void TfrmPlanning::buildScreen() {
    auto *background = new CardBackground(this);
    setCentralWidget(background);
    auto *title = new CardTitle(QStringLiteral("PLANNING SETTIMANALE"),
                                Artwork::icon(Artwork::Glyph::Agenda, 64, kAgenda), kAgenda, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    // Left: the calendar, the operator, the legend and the commands.
    calSettimana = new MonthCalendar(background, "calSettimana");
    calSettimana->setFixedSize(260, 200);
    auto *operatorCaption = CardParts::caption(QStringLiteral("Operatore:"), background);
    cmbOperatore = new QComboBox(background);
    cmbOperatore->setObjectName(QStringLiteral("cmbOperatore"));
    cmbOperatore->setFixedWidth(260);
    cmbOperatore->addItem(QStringLiteral("Tutti gli operatori"));
    const QStyle *style = QApplication::style();
    cmdStampa = CardParts::command(background, "cmdStampa", QStringLiteral("Stampa settimana"),
                                   CardIcons::icon(Symbol::Print));
    cmdGuida =
        CardParts::command(background, "cmdGuida", QStringLiteral("Guida"), CardIcons::icon(Symbol::Help));
    cmdEsci =
        CardParts::command(background, "cmdEsci", QStringLiteral("Esci"), CardIcons::icon(Symbol::Exit));
    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(calSettimana);
    left->addSpacing(6);
    left->addWidget(operatorCaption);
    left->addWidget(cmbOperatore);
    left->addSpacing(10);
    left->addWidget(legend(background, "imgDaAssolvere", State::ToFulfil, QStringLiteral("Da assolvere")));
    left->addWidget(legend(background, "imgAssolto", State::Fulfilled, QStringLiteral("Assolto")));
    left->addWidget(
        legend(background, "imgScaduto", State::Overdue, QStringLiteral("Scaduto e non assolto")));
    left->addStretch(1);
    for (QToolButton *b : {cmdStampa, cmdGuida, cmdEsci})
        left->addWidget(b);

    // Right: the week's row of commands, the week itself, the hint panel.
    cmdPrecedente = CardParts::command(background, "cmdPrecedente", QStringLiteral("Precedente"),
                                       style->standardIcon(QStyle::SP_MediaSeekBackward));
    cmdOggi =
        CardParts::command(background, "cmdOggi", QStringLiteral("Oggi"), CardIcons::icon(Symbol::Calendar));
    cmdSuccessiva = CardParts::command(background, "cmdSuccessiva", QStringLiteral("Successiva"),
                                       style->standardIcon(QStyle::SP_MediaSeekForward));
    cmdSuccessiva->setLayoutDirection(Qt::RightToLeft); // the arrow after the word
    for (QToolButton *b : {cmdPrecedente, cmdOggi, cmdSuccessiva}) {
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        b->setMinimumWidth(132);
    }
    lblSettimana = new QLabel(background);
    lblSettimana->setObjectName(QStringLiteral("lblSettimana"));
    lblSettimana->setTextFormat(Qt::PlainText);
    QFont weekFont = lblSettimana->font();
    weekFont.setPixelSize(17);
    weekFont.setBold(true);
    lblSettimana->setFont(weekFont);
    lblSettimana->setStyleSheet(QStringLiteral("color: rgb(52, 72, 104);"));
    lblSettimana->setMinimumWidth(
        QFontMetrics(weekFont).horizontalAdvance(QStringLiteral("Settimana dal 28/12/2026 al 03/01/2027")) +
        8);
    auto *commands = new QHBoxLayout;
    commands->setSpacing(8);
    commands->addWidget(cmdPrecedente);
    commands->addWidget(cmdOggi);
    commands->addWidget(cmdSuccessiva);
    commands->addSpacing(16);
    commands->addWidget(lblSettimana, 1);
    view = new PlanningView(background);
    view->setObjectName(QStringLiteral("panPlanning"));
    panInfo = CardParts::hintPanel(background, QString());
    panInfo->setTextFormat(Qt::PlainText);
    panInfo->setWordWrap(true);
    panInfo->setMinimumHeight(2 * panInfo->fontMetrics().height() + 10);
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(commands);
    right->addWidget(view, 1);
    right->addWidget(panInfo);

    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(left);
    body->addLayout(right, 1);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addLayout(body, 1);

    m_hints = new HintTracker(
        background, panInfo,
        {{"cmdPrecedente", QStringLiteral("Visualizza la settimana precedente.")},
         {"cmdOggi", QStringLiteral("Visualizza la settimana corrente.")},
         {"cmdSuccessiva", QStringLiteral("Visualizza la settimana successiva.")},
         {"cmdStampa", QStringLiteral("Stampa la settimana visualizzata, con l'anteprima di stampa.")},
         {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
         {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")}},
        {view->sheet, view->days});

    connect(cmdPrecedente, &QToolButton::clicked, this, [this]() { showWeek(m_week.monday().addDays(-7)); });
    connect(cmdSuccessiva, &QToolButton::clicked, this, [this]() { showWeek(m_week.monday().addDays(7)); });
    connect(cmdOggi, &QToolButton::clicked, this, [this]() { showWeek(Clock::today()); });
    // Moving within the shown week reads nothing again.
    connect(calSettimana, &QCalendarWidget::selectionChanged, this, [this]() {
        if (Planning::Week::mondayOf(calSettimana->selectedDate()) != m_week.monday())
            showWeek(calSettimana->selectedDate());
    });
    connect(cmbOperatore, &QComboBox::currentIndexChanged, this, [this]() { showBlocks(); });
    connect(view->sheet, &PlanningSheet::hovered, this, &TfrmPlanning::blockHovered);
    connect(view->sheet, &PlanningSheet::chosen, this, &TfrmPlanning::blockChosen);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmPlanning::cmdStampaClick);
    connect(cmdGuida, &QToolButton::clicked, this, [this]() { TfrmGuida::showHelp(this, planningHelp()); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
}

void TfrmPlanning::showEvent(QShowEvent *event) {
    ModuleWindow::showEvent(event);
    if (event->spontaneous())
        return;
    showWeek(calSettimana->selectedDate());
    if (!m_scrolled) {
        // Once laid out, the view opens on the working morning, or higher up
        // when the week has a visit before it.
        m_scrolled = true;
        QTimer::singleShot(0, this, [this]() {
            view->scrollToHour(kMorning);
            view->revealEarliest();
        });
    }
}

QString TfrmPlanning::chosenOperator() const {
    return cmbOperatore->currentIndex() > 0 ? cmbOperatore->currentText() : QString();
}

void TfrmPlanning::showWeek(const QDate &day) {
    const QString chosen = chosenOperator();
    m_week = Planning::Week::read(archivePath(), day, Clock::today());
    lblSettimana->setText(QStringLiteral("Settimana dal ") + Formats::dateText(m_week.monday()) +
                          QStringLiteral(" al ") + Formats::dateText(m_week.monday().addDays(6)));
    {
        const QSignalBlocker quiet(calSettimana);
        if (Planning::Week::mondayOf(calSettimana->selectedDate()) != m_week.monday())
            calSettimana->setSelectedDate(day);
    }
    const QSignalBlocker quiet(cmbOperatore);
    fillOperators();
    const int kept = chosen.isEmpty() ? 0 : cmbOperatore->findText(chosen);
    cmbOperatore->setCurrentIndex(std::max(kept, 0));
    showBlocks();
}

void TfrmPlanning::fillOperators() {
    while (cmbOperatore->count() > 1)
        cmbOperatore->removeItem(1);
    cmbOperatore->addItems(m_week.operators());
}

void TfrmPlanning::showBlocks() {
    panInfo->clear();
    view->showWeek(m_week, m_week.blocks(chosenOperator()), Clock::today());
    view->revealEarliest();
}

void TfrmPlanning::blockHovered(int appointment) {
    panInfo->setText(appointment < 0 ? QString() : PlanningLook::hint(m_week.appointments().at(appointment)));
}

// The card shows the record the block was made from, by its number, as a
// summary's line hands its record to the card.
void TfrmPlanning::blockChosen(int appointment) {
    const qint64 number = m_week.appointments().at(appointment).number;
    Record record(Archives::appointments());
    if (m_card && RecordScan::readRecord(archivePath(), number, record)) {
        const HandBack back = m_card->card()->showChosen();
        m_card->openOver([&]() { back(record, number); });
    }
    showWeek(m_week.monday());
}

void TfrmPlanning::cmdStampaClick() {
    PlanningPrint::preview(this, m_week, m_week.blocks(chosenOperator()), chosenOperator());
}
