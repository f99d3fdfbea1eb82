#include "ui/export/GridModel.h"

#include "core/text/NoCaseSort.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cstring>
#include <numeric>

GridModel::GridModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), m_headers(QStringList{QStringLiteral("N.")} + headers),
      m_editable(headers.size(), false) {}

void GridModel::beginFill(qint64 rows, qint64 bytesPerRow) {
    beginResetModel();
    m_bytes.resize(0); // keeps the block for the next filling
    m_used = 0;
    m_lengths.resize(0);
    m_rowStarts.resize(0);
    m_bytes.resize(rows * bytesPerRow); // room only: the bytes are not touched yet
    m_lengths.reserve(rows * dataColumns());
    m_rowStarts.reserve(rows);
    m_numbers.reserve(rows);
    m_order.reserve(rows);
    m_numbers.clear();
    m_order.clear();
    m_edits.clear();
}

void GridModel::startRow(qint64 number) {
    // A row cut short (it cannot happen through ExportGrid) gets empty cells.
    while (m_lengths.size() < m_numbers.size() * dataColumns())
        m_lengths.append(0);
    m_order.append(int(m_numbers.size()));
    m_numbers.append(number);
    m_rowStarts.append(m_used);
}

void GridModel::addCell(QStringView text) { addCell(Text::toCp1252(text.toString())); }

void GridModel::addCell(QByteArrayView windows1252) {
    // A cell is one field or a few joined: far below the 65 535 bytes a length holds.
    const qsizetype n = std::min<qsizetype>(windows1252.size(), 0xFFFF);
    // Copied into the block's room directly: a grid adds a million cells.
    if (m_used + n > m_bytes.size())
        m_bytes.resize(std::max<qsizetype>(2 * m_bytes.size(), m_used + n + 4096));
    std::memcpy(m_bytes.data() + m_used, windows1252.data(), size_t(n));
    m_used += n;
    m_lengths.append(quint16(n));
}

void GridModel::endFill() {
    // A row cut short (it cannot happen through ExportGrid) gets empty cells.
    while (m_lengths.size() < m_numbers.size() * dataColumns())
        m_lengths.append(0);
    endResetModel();
}

void GridModel::sortBy(int dataColumn) {
    std::iota(m_order.begin(), m_order.end(), 0);
    NoCaseSort::stable(m_order, [this, dataColumn](int row) { return stored(row, dataColumn); });
}

void GridModel::setEditable(int dataColumn, bool editable) { m_editable[dataColumn] = editable; }

QByteArrayView GridModel::stored(int storedRow, int dataColumn) const {
    const qsizetype i = qsizetype(storedRow) * dataColumns() + dataColumn;
    if (i >= m_lengths.size())
        return {};
    qsizetype start = m_rowStarts.at(storedRow);
    for (qsizetype c = i - dataColumn; c < i; ++c)
        start += m_lengths.at(c);
    return QByteArrayView(m_bytes.constData() + start, m_lengths.at(i));
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
