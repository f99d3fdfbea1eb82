#include "ui/lists/SummaryScreen.h"

#include "core/platform/ProgramFolder.h"
#include "reports/ListReport.h"
#include "ui/widgets/Artwork.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"
#include "ui/windows/WindowPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SummaryScreen::SummaryScreen(QWidget *parent, SummarySpec setup)
    : ListDialog(parent, setup.doubleClickHint), m_spec(std::move(setup)) {
    setWindowTitle(m_spec.caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    resize(1100, 640);
    setSource(m_spec.layout, ProgramFolder::file(m_spec.layout->fileName()));

    auto *title = new QLabel(this);
    title->setPixmap(
        Artwork::banner(Artwork::Glyph::Clock, m_spec.bannerTitle,
                        {QStringLiteral("Scrivi una o più parole consecutive contenute nella voce da "
                                        "cercare e premi Trova."),
                         QStringLiteral("Premi di nuovo Trova per passare alla voce successiva che "
                                        "contiene le stesse parole.")},
                        QSize(1080, 96)));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(list, 1);

    connect(list->btnStampa, &QPushButton::clicked, this, [this]() {
        ListReport::print(this, m_spec.reportTitle, list->lstRecords->listModel()->lines());
    });
}

void SummaryScreen::buildList() {
    listSource(m_spec.line, [this](const char *record) { return selects(record); });
    if (m_spec.order == LineOrder::SortedAZ)
        list->lstRecords->listModel()->sortNoCaseAZ();
}
