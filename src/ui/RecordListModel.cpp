#include "ui/RecordListModel.h"

#include "core/RecordScan.h"
#include "core/ResultLine.h"
#include "core/TextRules.h"

#include <algorithm>

void RecordListModel::startFill() {
    beginResetModel();
    m_bytes.resize(0); // keeps the block for the next filling
    m_rows.resize(0);
}

void RecordListModel::endFill() { endResetModel(); }

void RecordListModel::setLines(const QStringList &lines, QList<qint64> numbers) {
    startFill();
    numbers.resize(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype at = m_bytes.size();
        m_bytes += Text::toCp1252(lines.at(i));
        m_rows.append({at, m_bytes.size() - at, numbers.at(i)});
    }
    endFill();
}

bool RecordListModel::fill(const QString &path, const LineFormat &line,
                           const std::function<bool(const char *)> &selection) {
    startFill();
    const bool ok = RecordScan::forEach(path, line.layout(), [&](const char *record, qint64 number) {
        if (selection(record)) {
            const qsizetype at = m_bytes.size();
            line.appendBytes(record, m_bytes);
            m_rows.append({at, m_bytes.size() - at, number});
        }
        return true;
    });
    endFill();
    return ok;
}

bool RecordListModel::readRecord(int row, const QString &path, Record &record) const {
    return row >= 0 && row < count() && RecordScan::readRecord(path, m_rows.at(row).number, record);
}

void RecordListModel::sortNoCaseAZ() {
    const auto bytes = [this](const Row &r) { return QByteArrayView(m_bytes.constData() + r.at, r.size); };
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&bytes](const Row &a, const Row &b) { return Text::lessNoCaseAZ(bytes(a), bytes(b)); });
    endResetModel();
}

QString RecordListModel::line(int row) const {
    const Row &r = m_rows.at(row);
    return Text::fromCp1252(m_bytes.constData() + r.at, int(r.size));
}

QStringList RecordListModel::lines() const {
    QStringList all;
    all.reserve(m_rows.size());
    for (int row = 0; row < count(); ++row)
        all.append(line(row));
    return all;
}

bool RecordListModel::lineHolds(int row, const QString &text) const {
    if (text != m_finder.text())
        m_finder = Text::NoCaseFinder(text);
    const Row &r = m_rows.at(row);
    return m_finder.in(QByteArrayView(m_bytes.constData() + r.at, r.size));
}

int RecordListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant RecordListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return line(index.row());
    return {};
}
