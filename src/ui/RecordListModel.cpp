#include "ui/RecordListModel.h"

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
    m_lowered.clear();
    m_loweredDone.clear();
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

bool RecordListModel::lineHolds(int row, const QString &text) const {
    if (m_loweredDone.size() != m_lines.size()) {
        m_lowered = QStringList(m_lines.size());
        m_loweredDone = QList<bool>(m_lines.size(), false);
    }
    if (!m_loweredDone[row]) {
        m_lowered[row] = Text::lowerAZ(m_lines.at(row));
        m_loweredDone[row] = true;
    }
    return m_lowered.at(row).contains(text);
}

int RecordListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant RecordListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return m_lines.at(index.row());
    return {};
}
