#include "ui/SummaryScreen.h"

#include "core/Formats.h"
#include "ui/ListPanel.h"
#include "core/ProgramFolder.h"
#include "ui/QuickFind.h"
#include "ui/RecordListView.h"
#include "reports/ListReport.h"
#include "ui/Artwork.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SummaryScreen::SummaryScreen(QWidget *parent, SummarySpec setup) : QDialog(parent), m_spec(std::move(setup)) {
    Formats::install();
    setWindowTitle(m_spec.caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    resize(1100, 640);

    auto *title = new QLabel(this);
    title->setPixmap(
        Artwork::banner(Artwork::Glyph::Clock, m_spec.pictureTitle,
                        {QStringLiteral("Scrivi una o più parole consecutive contenute nella voce da "
                                        "cercare e premi Trova."),
                         QStringLiteral("Premi di nuovo Trova per passare alla voce successiva che "
                                        "contiene le stesse parole.")},
                        QSize(1080, 96)));
    list = new ListPanel(m_spec.doubleClickHint, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(list, 1);

    connect(list->btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(list->lstRecords, &RecordListView::lineActivated, this,
            [this](int row, qint64) { loadLine(row); });
    connect(list->btnStampa, &QPushButton::clicked, this, [this]() {
        ListReport::print(this, m_spec.reportTitle, list->lstRecords->listModel()->lines());
    });
}

void SummaryScreen::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    list->finder->reset();
    list->txtTrova->clear();
    buildList();
    list->txtTrova->setFocus();
}

void SummaryScreen::closeEvent(QCloseEvent *e) {
    list->lstRecords->listModel()->clear();
    QDialog::closeEvent(e);
}

void SummaryScreen::buildList() {
    RecordListModel *model = list->lstRecords->listModel();
    model->fill(ProgramFolder::file(m_spec.layout->fileName()), m_spec.line,
                [this](const char *record) { return selects(record); });
    if (m_spec.sorted)
        model->sortNoCaseAZ();
}

void SummaryScreen::loadLine(int row) {
    RecordListModel *model = list->lstRecords->listModel();
    Record record(*m_spec.layout);
    if (model->readRecord(row, ProgramFolder::file(m_spec.layout->fileName()), record) && m_handBack)
        m_handBack(record, model->recordNumber(row));
    close();
}
