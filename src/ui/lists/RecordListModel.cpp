#include "ui/lists/RecordListModel.h"

#include "core/text/NoCaseSort.h"
#include "core/records/RecordScan.h"
#include "core/records/ResultLine.h"
#include "core/text/TextRules.h"

#include <QFileInfo>
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
    // Room for every record's longest line, taken at once: growing the block
    // line by line would copy it again and again. Untouched room costs no memory.
    const qint64 records = QFileInfo(path).size() / line.layout().size();
    m_bytes.reserve(records * line.maxLength());
    m_rows.reserve(records);
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
    beginResetModel();
    NoCaseSort::stable(m_rows,
                       [this](const Row &r) { return QByteArrayView(m_bytes.constData() + r.at, r.size); });
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

int RecordListModel::longestRow() const {
    const auto longest = std::max_element(m_rows.cbegin(), m_rows.cend(),
                                          [](const Row &a, const Row &b) { return a.size < b.size; });
    return longest == m_rows.cend() ? -1 : int(longest - m_rows.cbegin());
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
