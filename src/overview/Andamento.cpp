#include "overview/Andamento.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "core/files/Workbook.h"
#include "overview/AndamentoHelp.h"
#include "overview/MonthTable.h"
#include "overview/OverviewCharts.h"
#include "overview/OverviewPrint.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/export/ExportGrid.h"
#include "ui/windows/Guida.h"
#include "ui/windows/HintTracker.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QColor kBand(40, 100, 150);

QChartView *chartView(QWidget *parent, const char *name) {
    auto *view = new QChartView(parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 190);
    view->setFrameShape(QFrame::StyledPanel);
    return view;
}

// Sets a view's chart and drops the one it showed.
void replaceChart(QChartView *view, QChart *chart) {
    QChart *old = view->chart();
    view->setChart(chart);
    delete old;
}
} // namespace

TfrmAndamento::TfrmAndamento(QWidget *parent) : ModuleWindow(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmAndamento"));
    setWindowTitle(QStringLiteral(" Tersalia - Andamento dell'anno"));
    auto *background = new CardBackground(this);
    setCentralWidget(background);

    auto *title = new CardTitle(QStringLiteral("ANDAMENTO DELL'ANNO"),
                                Artwork::icon(Artwork::Glyph::Chart, 56, kBand), kBand, background);
    title->setObjectName(QStringLiteral("imgTitolo"));

    auto *lblAnno = CardParts::caption(QStringLiteral("Anno:"), background);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    cmbAnno = new QComboBox(background);
    cmbAnno->setObjectName(QStringLiteral("cmbAnno"));
    cmbAnno->setMinimumWidth(110);
    prgLettura = new QProgressBar(background);
    prgLettura->setObjectName(QStringLiteral("prgLettura"));
    prgLettura->setRange(0, 1000);
    prgLettura->setFormat(QStringLiteral("Lettura degli archivi: %p%"));
    prgLettura->setMinimumWidth(260);
    prgLettura->hide();
    lblEscluse = new QLabel(background);
    lblEscluse->setObjectName(QStringLiteral("lblEscluse"));
    lblEscluse->setTextFormat(Qt::PlainText);
    lblEscluse->setStyleSheet(QStringLiteral("color: #b03a10; font-weight: bold;"));
    lblEscluse->hide();

    cmdStampa = CardParts::command(background, "cmdStampa", QStringLiteral("Stampa"),
                                   CardIcons::icon(CardIcons::Symbol::Print));
    cmdEsporta = CardParts::command(background, "cmdEsporta", QStringLiteral("Esporta"),
                                    CardIcons::icon(CardIcons::Symbol::Export));
    cmdGuida = CardParts::command(background, "cmdGuida", QStringLiteral("Guida"),
                                  CardIcons::icon(CardIcons::Symbol::Help));
    cmdEsci = CardParts::command(background, "cmdEsci", QStringLiteral("Esci"),
                                 CardIcons::icon(CardIcons::Symbol::Exit));
    for (QToolButton *b : {cmdStampa, cmdEsporta, cmdGuida, cmdEsci}) {
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        b->setMinimumWidth(120);
    }
    panInfo = CardParts::hintPanel(background, QString());

    chtImporti = chartView(background, "chtImporti");
    chtAppuntamenti = chartView(background, "chtAppuntamenti");
    chtOre = chartView(background, "chtOre");

    grdMesi = new QTableWidget(13, MonthTable::ColumnCount, background);
    grdMesi->setObjectName(QStringLiteral("grdMesi"));
    grdMesi->setHorizontalHeaderLabels(MonthTable::headers());
    grdMesi->verticalHeader()->hide();
    grdMesi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMesi->setSelectionMode(QAbstractItemView::NoSelection);
    grdMesi->setAlternatingRowColors(true);
    grdMesi->setFocusPolicy(Qt::NoFocus);
    grdMesi->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdMesi->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdMesi->verticalHeader()->setDefaultSectionSize(grdMesi->fontMetrics().height() + 4);
    grdMesi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMesi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The whole table, all thirteen rows, without scrolling.
    grdMesi->setFixedHeight(grdMesi->horizontalHeader()->sizeHint().height() +
                            13 * grdMesi->verticalHeader()->defaultSectionSize() + 2 * grdMesi->frameWidth());
    blankTable();
    // Nothing to print or export before the archives are read.
    cmdStampa->setEnabled(false);
    cmdEsporta->setEnabled(false);

    auto *top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(lblAnno);
    top->addWidget(cmbAnno);
    top->addSpacing(12);
    top->addWidget(prgLettura);
    top->addWidget(lblEscluse, 1);
    top->addStretch();
    top->addWidget(cmdStampa);
    top->addWidget(cmdEsporta);
    top->addWidget(cmdGuida);
    top->addWidget(cmdEsci);
    auto *charts = new QHBoxLayout;
    charts->setSpacing(10);
    charts->addWidget(chtImporti, 1);
    charts->addWidget(chtAppuntamenti, 1);
    charts->addWidget(chtOre, 1);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addLayout(top);
    layout->addLayout(charts, 1);
    layout->addWidget(grdMesi);
    // At the foot, as on the cards: an empty panel among the commands would
    // look like a field to type in.
    layout->addWidget(panInfo);

    new HintTracker(
        background, panInfo,
        {{"cmdStampa", QStringLiteral("Stampa i grafici e la tabella dell'anno scelto.")},
         {"cmdEsporta", QStringLiteral("Esporta la tabella dell'anno scelto in formato Microsoft Excel.")},
         {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
         {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")}});

    connect(cmbAnno, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            showYear(cmbAnno->itemData(index).toInt());
    });
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmAndamento::cmdStampaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmAndamento::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, [this]() { TfrmGuida::showHelp(this, andamentoHelp()); });
    connect(cmdEsci, &QToolButton::clicked, this, &QWidget::close);
}

QString TfrmAndamento::exportFileName(int year) { return QStringLiteral("Andamento_%1.xls").arg(year); }
QString TfrmAndamento::sheetName(int year) { return QStringLiteral("Andamento %1").arg(year); }

void TfrmAndamento::showEvent(QShowEvent *e) {
    ModuleWindow::showEvent(e);
    // Read once the window is on screen, so the progress bar is seen.
    if (!e->spontaneous())
        QTimer::singleShot(0, this, &TfrmAndamento::refresh);
}

void TfrmAndamento::refresh() {
    if (m_reading)
        return;
    m_reading = true;
    for (QWidget *w : std::initializer_list<QWidget *>{cmbAnno, cmdStampa, cmdEsporta})
        w->setEnabled(false);
    lblEscluse->hide();
    blankTable(); // no figures until they are read, never a table of zeros
    prgLettura->setValue(0);
    prgLettura->show();
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    // The bar moves and the window repaints a few times a second; what the user
    // types meanwhile waits until the figures are there.
    m_figures = CompanyFigures::read(Clock::today(), [&](qint64 done, qint64 total) {
        prgLettura->setValue(int(done * 1000 / std::max<qint64>(total, 1)));
        if (sinceRepaint.elapsed() >= 100) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceRepaint.restart();
        }
    });
    prgLettura->hide();
    const int current = Clock::today().year();
    {
        const QSignalBlocker quiet(cmbAnno);
        cmbAnno->clear();
        for (int y : m_figures->years(current))
            cmbAnno->addItem(QString::number(y), y);
        cmbAnno->setCurrentIndex(0);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{cmbAnno, cmdStampa, cmdEsporta})
        w->setEnabled(true);
    m_reading = false;
    showYear(current);
}

QList<QChart *> TfrmAndamento::makeCharts() const {
    const YearFigures figures = m_figures ? m_figures->year(m_year) : YearFigures();
    const YearFigures previous = m_figures ? m_figures->year(m_year - 1) : YearFigures();
    // The previous year is drawn beside when the archives hold anything of it.
    const bool hasPrevious = m_figures && m_figures->years(m_year).contains(m_year - 1);
    return {OverviewCharts::amounts({m_year, &figures}, {m_year - 1, hasPrevious ? &previous : nullptr}),
            OverviewCharts::visits(figures), OverviewCharts::hours(figures)};
}

void TfrmAndamento::showYear(int year) {
    if (!m_figures)
        return;
    m_year = year;
    const QList<QChart *> charts = makeCharts();
    replaceChart(chtImporti, charts.at(0));
    replaceChart(chtAppuntamenti, charts.at(1));
    replaceChart(chtOre, charts.at(2));
    fillTable(m_figures->year(year));
    const QString leftOut = MonthTable::leftOutText(m_figures->leftOut(year), m_figures->unreadableFiles());
    lblEscluse->setText(leftOut);
    lblEscluse->setVisible(!leftOut.isEmpty());
}

void TfrmAndamento::fillTable(const YearFigures &figures) {
    const QList<QStringList> rows = MonthTable::rows(figures);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).at(c));
            item->setTextAlignment(c == MonthTable::Mese ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
            if (r == rows.size() - 1) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grdMesi->setItem(r, c, item);
        }
    }
}

// The months and "Totale" with no figures beside them.
void TfrmAndamento::blankTable() {
    grdMesi->clearContents();
    for (int m = 1; m <= 12; ++m)
        grdMesi->setItem(m - 1, MonthTable::Mese, new QTableWidgetItem(MonthTable::monthName(m)));
    auto *total = new QTableWidgetItem(MonthTable::totalCaption());
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);
    grdMesi->setItem(12, MonthTable::Mese, total);
}

QList<QStringList> TfrmAndamento::tableRows() const {
    QList<QStringList> rows;
    for (int r = 0; r < grdMesi->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grdMesi->columnCount(); ++c)
            row.append(grdMesi->item(r, c) ? grdMesi->item(r, c)->text() : QString());
        rows.append(row);
    }
    return rows;
}

void TfrmAndamento::cmdStampaClick() {
    OverviewPrint::Page page{
        m_year, tableRows(), lblEscluse->isHidden() ? QString() : lblEscluse->text(), {}};
    // Drawn afresh about the size of their boxes on the sheet (90 x 64 mm).
    for (QChart *chart : makeCharts())
        page.charts.append(OverviewCharts::picture(chart, QSize(560, 400)));
    if (!OverviewPrint::preview(this, page))
        Messages::warning(this, OverviewPrint::failureText());
}

// As every export: asked, written in one pass over the previous file, offered.
void TfrmAndamento::cmdEsportaClick() {
    if (!Messages::confirm(this, ExportGrid::askText()))
        return;
    const QString path = ProgramFolder::file(exportFileName(m_year));
    if (!Workbook::write(path, sheetName(m_year), MonthTable::columns(), tableRows())) {
        Messages::plain(this, ExportGrid::failureText());
        return;
    }
    if (Messages::confirm(this, ExportGrid::doneText()))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}
