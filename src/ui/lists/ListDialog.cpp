#include "ui/lists/ListDialog.h"

#include "core/text/Formats.h"
#include "core/records/RecordLayout.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/QuickFind.h"
#include "ui/lists/RecordListModel.h"
#include "ui/lists/RecordListView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ListDialog::ListDialog(QWidget *parent, const QString &doubleClickHint) : QDialog(parent) {
    Formats::install();
    list = new ListPanel(doubleClickHint, this);
    lblEscluse = new QLabel(this);
    lblEscluse->setObjectName(QStringLiteral("lblEscluse"));
    lblEscluse->setTextFormat(Qt::PlainText);
    lblEscluse->setStyleSheet(QStringLiteral("color: #b03a10; font-weight: bold;"));
    lblEscluse->hide();
    connect(list->btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(list->lstRecords, &RecordListView::lineActivated, this,
            [this](int row, qint64) { loadLine(row); });
}

void ListDialog::setSource(const RecordLayout *layout, const QString &path) {
    m_layout = layout;
    m_path = path;
}

bool ListDialog::readLine(int row, Record &record) const {
    return !m_path.isEmpty() && list->lstRecords->listModel()->readRecord(row, m_path, record);
}

void ListDialog::loadLine(int row) {
    // The line keeps its record number: the very record clicked is re-read
    // now and handed back, even when another record shows the same line.
    Record record(*m_layout);
    if (readLine(row, record) && m_handBack)
        m_handBack(record, list->lstRecords->listModel()->recordNumber(row));
    close();
}

bool ListDialog::listSource(const LineFormat &line, const std::function<bool(const char *)> &selection) {
    RecordListModel *model = list->lstRecords->listModel();
    if (m_path.isEmpty()) {
        model->clear();
        return false;
    }
    return model->fill(m_path, line, selection); // a scan opens the file for reading only
}

void ListDialog::setLeftOut(const QString &text) {
    lblEscluse->setText(text);
    lblEscluse->setVisible(!text.isEmpty());
}

QStringList ListDialog::printedLines(const QStringList &closing) const {
    QStringList lines = list->lstRecords->listModel()->lines();
    lines << closing;
    if (!lblEscluse->text().isEmpty())
        lines << lblEscluse->text();
    return lines;
}

QWidget *ListDialog::firstFocus() const { return list->txtTrova; }

void ListDialog::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    list->finder->reset();
    list->txtTrova->clear();
    refresh();
    if (QWidget *w = firstFocus())
        w->setFocus();
}

void ListDialog::closeEvent(QCloseEvent *e) {
    list->lstRecords->listModel()->clear();
    QDialog::closeEvent(e);
}
