#include "ui/lists/RecordListView.h"

#include "core/platform/Fonts.h"

#include <QEvent>
#include <QScrollBar>
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
    m_given = font();
    connect(m_model, &QAbstractItemModel::modelReset, this, &RecordListView::fitColumns);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &RecordListView::fitColumns);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &RecordListView::fitColumns);
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

void RecordListView::setColumnsInView(int columns) {
    m_columns = columns;
    fitColumns();
}

void RecordListView::showEvent(QShowEvent *e) {
    QListView::showEvent(e);
    fitColumns();
}

void RecordListView::resizeEvent(QResizeEvent *e) {
    QListView::resizeEvent(e);
    fitColumns();
}

// A font set from outside (the agenda's larger one) is the one to start from.
void RecordListView::changeEvent(QEvent *e) {
    QListView::changeEvent(e);
    if (e->type() == QEvent::FontChange && !m_fitting) {
        m_given = font();
        fitColumns();
    }
}

void RecordListView::fitColumns() {
    if (m_columns < 0 || m_fitting)
        return;
    int columns = m_columns;
    if (columns == 0) {
        const int longest = m_model->longestRow();
        columns = longest < 0 ? 0 : int(m_model->line(longest).size());
    }
    // The room of a line: the viewport less the item's own margins.
    const int room =
        viewport()->width() - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) - 4;
    QFont f = m_given;
    // Measured only on screen: a list not yet laid out has no width of its own.
    if (columns > 0 && room > 0 && isVisible()) {
        const qreal given = m_given.pointSizeF();
        const qreal needed = QFontMetricsF(m_given).horizontalAdvance(QString(columns, QLatin1Char('0')));
        if (needed > room) {
            qreal size = std::max(kSmallestPoints, std::floor(given * room / needed * 2) / 2);
            f.setPointSizeF(size);
            while (size > kSmallestPoints &&
                   QFontMetricsF(f).horizontalAdvance(QString(columns, QLatin1Char('0'))) > room)
                f.setPointSizeF(size = std::max(kSmallestPoints, size - 0.5));
        }
    }
    if (f == font())
        return;
    m_fitting = true;
    setFont(f);
    m_fitting = false;
}
