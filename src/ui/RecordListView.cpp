#include "ui/RecordListView.h"

#include "core/Fonts.h"

RecordListView::RecordListView(QWidget *parent, const QString &objectName)
    : QListView(parent), m_model(new RecordListModel(this)) {
    setObjectName(objectName);
    setModel(m_model);
    setFont(Fonts::font(QStringLiteral("Courier New"), 12));
    setUniformItemSizes(true); // constant-time layout for very long lists
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit lineActivated(index.row(), m_model->recordNumber(index.row()));
    });
}

int RecordListView::currentRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RecordListView::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

qint64 RecordListView::selectedRecordNumber() const {
    const int row = currentRow();
    return row < 0 ? 0 : m_model->recordNumber(row);
}
