#include "ui/lists/RecordListView.h"

#include "core/platform/Fonts.h"

#include <QStyledItemDelegate>

namespace {
// Every line gets the size of the widest line, so no line is ever cut short
// with "…" and the horizontal scroll reaches the end of the longest one. One
// size for all keeps the layout of a 100 000-line list immediate.
class WholeLineDelegate : public QStyledItemDelegate {
public:
    WholeLineDelegate(RecordListModel *model, QObject *parent)
        : QStyledItemDelegate(parent), m_model(model) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        const int longest = m_model->longestRow();
        return QStyledItemDelegate::sizeHint(option, longest < 0 ? index : m_model->index(longest, 0));
    }

private:
    RecordListModel *m_model;
};
} // namespace

RecordListView::RecordListView(QWidget *parent, const QString &objectName)
    : QListView(parent), m_model(new RecordListModel(this)) {
    setObjectName(objectName);
    setModel(m_model);
    setFont(Fonts::font(QStringLiteral("Courier New"), 12));
    setItemDelegate(new WholeLineDelegate(m_model, this));
    setUniformItemSizes(true); // constant-time layout for very long lists
    setTextElideMode(Qt::ElideNone);
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
