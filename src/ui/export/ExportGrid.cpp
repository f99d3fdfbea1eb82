#include "ui/export/ExportGrid.h"

#include "core/records/NameError.h"

#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/export/GridModel.h"
#include "ui/windows/HintTracker.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordScan.h"
#include "core/files/Workbook.h"
#include "ui/windows/Guida.h"
#include "core/platform/OpenURL.h"

#include <QHBoxLayout>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

ExportGrid::ExportGrid(QWidget *parent, ExportGridSpec setup) : QDialog(parent), m_spec(std::move(setup)) {
    setWindowTitle(m_spec.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(1100, 640);

    QStringList headers;
    for (const GridColumn &c : std::as_const(m_spec.columns)) {
        headers.append(c.header);
        // A column shows a field (checked by its name) or a text made from fields.
        const int index = c.field ? m_spec.layout->require(c.field, m_spec.caption) : -1;
        if (index < 0 && !c.made)
            throw NameError(m_spec.caption, QStringLiteral("the column \"%1\" shows no field").arg(c.header));
        m_fields.append(index);
    }
    m_model = new GridModel(headers, this);
    for (int i = 0; i < m_spec.columns.size(); ++i)
        m_model->setEditable(i, m_spec.columns.at(i).editable);

    auto *background = new CardBackground(this);
    grdRecords = new QTableView(background);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    // Fixed row heights and column widths: the view never measures the cells,
    // so a grid of 100 000 rows shows at once.
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->setColumnWidth(0, m_spec.numberWidth);
    for (int i = 0; i < m_spec.columns.size(); ++i)
        grdRecords->setColumnWidth(i + 1, m_spec.columns.at(i).gridWidth);
    grdRecords->setStyleSheet(QStringLiteral(
        "QTableView { background: white; alternate-background-color: #eaf2fb; gridline-color: #c9d6e3;"
        "  color: black; }"));

    cmdEsporta = CardParts::iconButton(background, "cmdEsporta", CardIcons::icon(Symbol::Export), 48);
    cmdGuida = CardParts::iconButton(background, "cmdGuida", CardIcons::icon(Symbol::Help), 48);
    cmdEsci = CardParts::iconButton(background, "cmdEsci", CardIcons::icon(Symbol::Exit), 48);
    panInfo = CardParts::hintPanel(background, QStringLiteral("Esportazione archivio in Microsoft Excel."));

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(panInfo, 1);
    bottom->addSpacing(10);
    bottom->addWidget(cmdEsporta);
    bottom->addWidget(cmdGuida);
    bottom->addWidget(cmdEsci);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(grdRecords, 1);
    layout->addLayout(bottom);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background);

    m_hints = new HintTracker(
        this, panInfo,
        {{"cmdEsporta", QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
         {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
         {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")}});
    // The grid and the panel itself are background too.
    m_hints->emptyOver(grdRecords->viewport());
    m_hints->emptyOver(panInfo);

    connect(cmdEsporta, &QToolButton::clicked, this, &ExportGrid::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportGrid::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &QDialog::close);
}

QString ExportGrid::askText() {
    return QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
        "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString ExportGrid::doneText() {
    return QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
}

QString ExportGrid::failureText() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file "
        "di Excel non sia già aperto.");
}

LineFormat townAndProvince(const RecordLayout &layout, const char *town, const char *province) {
    return LineFormat(layout).field(town).text(QStringLiteral(" ")).field(province);
}

QString ExportGrid::exportPath() const { return ProgramFolder::file(m_spec.fileName); }

void ExportGrid::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fill();
}

void ExportGrid::fill() {
    const RecordLayout &layout = *m_spec.layout;
    const QString path = ProgramFolder::file(layout.fileName());
    qint64 bytesPerRow = 0;
    for (int i = 0; i < m_fields.size(); ++i)
        bytesPerRow +=
            m_fields.at(i) >= 0 ? layout.field(m_fields.at(i)).width : m_spec.columns.at(i).made->maxLength();
    m_model->beginFill(QFileInfo(path).size() / layout.size(), bytesPerRow);
    qint64 shown = 0;
    QByteArray made;
    RecordScan::forEach(path, layout, [&](const char *record, qint64) {
        if (m_spec.selects && !m_spec.selects(record))
            return true;
        m_model->startRow(++shown);
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i) >= 0)
                m_model->addCell(fieldBytes(layout, record, m_fields.at(i)));
            else {
                made.resize(0);
                m_spec.columns.at(i).made->appendBytes(record, made);
                m_model->addCell(made);
            }
        }
        return true;
    });
    // What was read is sorted even when the file could not be read to its end.
    if (m_spec.sortColumn >= 0)
        m_model->sortBy(m_spec.sortColumn);
    m_model->endFill();
}

void ExportGrid::cmdEsportaClick() {
    if (!Messages::confirm(this, askText()))
        return;
    QList<WorkbookColumn> columns;
    for (const GridColumn &c : std::as_const(m_spec.columns))
        columns.append({c.exportHeader.isEmpty() ? c.header : c.exportHeader, c.exportWidth});
    const int count = m_model->dataColumns();
    // Cells the user changed are converted into scratch buffers, one per
    // column, that stay valid while their row is written.
    QList<QByteArray> scratch(count);
    const bool written = Workbook::write(exportPath(), m_spec.sheetName, columns, m_model->rows(),
                                         [&](qsizetype row, QList<QByteArrayView> &cells) {
                                             for (int c = 0; c < count; ++c)
                                                 cells.append(m_model->cellBytes(int(row), c, scratch[c]));
                                         });
    if (!written) {
        Messages::plain(this, failureText());
        return;
    }
    if (Messages::confirm(this, doneText()))
        TMisc::Open(QLatin1Char('"') + exportPath() + QLatin1Char('"'));
}

void ExportGrid::cmdGuidaClick() { TfrmGuida::showHelp(this, m_spec.help); }
