#include "ui/GridModel.h"

#include "core/TextRules.h"

#include <algorithm>
#include <numeric>

GridModel::GridModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), m_headers(QStringList{QStringLiteral("N.")} + headers),
      m_editable(headers.size(), false) {}

void GridModel::beginFill() {
    beginResetModel();
    m_bytes.resize(0); // keeps the block for the next filling
    m_ends.resize(0);
    m_numbers.clear();
    m_order.clear();
    m_edits.clear();
}

void GridModel::startRow(qint64 number) {
    m_order.append(int(m_numbers.size()));
    m_numbers.append(number);
}

void GridModel::addCell(QStringView text) { addCell(Text::toCp1252(text.toString())); }

void GridModel::addCell(QByteArrayView windows1252) {
    m_bytes += windows1252;
    m_ends.append(m_bytes.size());
}

void GridModel::endFill() {
    // A row cut short (it cannot happen through ExportGrid) gets empty cells.
    while (m_ends.size() < m_numbers.size() * dataColumns())
        m_ends.append(m_bytes.size());
    endResetModel();
}

void GridModel::sortBy(int dataColumn) {
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        return Text::lessNoCaseAZ(stored(a, dataColumn), stored(b, dataColumn));
    });
}

void GridModel::setEditable(int dataColumn, bool editable) { m_editable[dataColumn] = editable; }

QByteArrayView GridModel::stored(int storedRow, int dataColumn) const {
    const qsizetype i = qsizetype(storedRow) * dataColumns() + dataColumn;
    if (i >= m_ends.size())
        return {};
    const qsizetype start = i == 0 ? 0 : m_ends.at(i - 1);
    return QByteArrayView(m_bytes.constData() + start, m_ends.at(i) - start);
}

const QString *GridModel::edited(int storedRow, int dataColumn) const {
    if (m_edits.isEmpty())
        return nullptr;
    const auto e = m_edits.constFind(qint64(storedRow) * dataColumns() + dataColumn);
    return e == m_edits.constEnd() ? nullptr : &*e;
}

QString GridModel::cell(int row, int dataColumn) const {
    const int s = m_order.at(row);
    if (const QString *e = edited(s, dataColumn))
        return *e;
    const QByteArrayView b = stored(s, dataColumn);
    return Text::fromCp1252(b.data(), int(b.size()));
}

QByteArrayView GridModel::cellBytes(int row, int dataColumn, QByteArray &scratch) const {
    const int s = m_order.at(row);
    if (const QString *e = edited(s, dataColumn)) {
        scratch = Text::toCp1252(*e);
        return scratch;
    }
    return stored(s, dataColumn);
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows(); }

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rows() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == 0)
        return QString::number(number(index.row()));
    return cell(index.row(), index.column() - 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size())
        return m_headers.at(section);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() > 0 && m_editable.at(index.column() - 1))
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_edits.insert(qint64(m_order.at(index.row())) * dataColumns() + index.column() - 1, value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
