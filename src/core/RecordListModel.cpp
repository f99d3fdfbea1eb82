#include "core/RecordListModel.h"

#include "core/RecordScan.h"
#include "core/ResultLine.h"
#include "core/TextRules.h"

#include <QSize>
#include <algorithm>
#include <numeric>

void RecordListModel::setLines(QStringList lines, QList<qint64> numbers) {
    beginResetModel();
    m_lines = std::move(lines);
    m_numbers = std::move(numbers);
    m_numbers.resize(m_lines.size());
    m_loweredValid = false;
    endResetModel();
}

bool RecordListModel::fill(const QString &path, const LineFormat &line,
                           const std::function<bool(const char *)> &selection) {
    QStringList lines;
    QList<qint64> numbers;
    const bool ok = RecordScan::forEach(path, line.layout(), [&](const char *record, qint64 number) {
        if (selection(record)) {
            lines.append(line.build(record));
            numbers.append(number);
        }
        return true;
    });
    setLines(std::move(lines), std::move(numbers));
    return ok;
}

bool RecordListModel::readRecord(int row, const QString &path, Record &record) const {
    return row >= 0 && row < count() && RecordScan::readRecord(path, m_numbers.at(row), record);
}

void RecordListModel::sortNoCaseAZ() {
    QList<int> order(m_lines.size());
    std::iota(order.begin(), order.end(), 0);
    // Upper-case once, then compare plainly: same order as compareNoCaseAZ.
    QStringList keys;
    keys.reserve(m_lines.size());
    for (const QString &l : std::as_const(m_lines))
        keys.append(Text::upperAZ(l));
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    QStringList lines;
    QList<qint64> numbers;
    lines.reserve(order.size());
    numbers.reserve(order.size());
    for (int i : order) {
        lines.append(m_lines[i]);
        numbers.append(m_numbers[i]);
    }
    setLines(std::move(lines), std::move(numbers));
}

const QStringList &RecordListModel::lowered() const {
    if (!m_loweredValid) {
        m_lowered.clear();
        m_lowered.reserve(m_lines.size());
        for (const QString &l : m_lines)
            m_lowered.append(Text::lowerAZ(l));
        m_loweredValid = true;
    }
    return m_lowered;
}

int RecordListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant RecordListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return m_lines.at(index.row());
    return {};
}
