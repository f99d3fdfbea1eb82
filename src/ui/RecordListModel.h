#pragma once
// The lines of a list screen with the record number each line came from, so
// a chosen line leads back to exactly its record.
#include <QAbstractListModel>
#include <QList>
#include <QStringList>
#include <functional>

class LineFormat;
class Record;

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(QStringList lines, QList<qint64> numbers);
    // Lists, in file order, the line of every record of the archive that
    // selection keeps; false when the archive cannot be read (the lines
    // read until then stay listed).
    bool fill(const QString &path, const LineFormat &line,
              const std::function<bool(const char *record)> &selection);
    // Re-reads the record of a line from its archive, now.
    bool readRecord(int row, const QString &path, Record &record) const;
    void clear() { setLines({}, {}); }
    // Ascending order of the line text, comparing a-z without regard to case.
    void sortNoCaseAZ();

    int count() const { return int(m_lines.size()); }
    const QString &line(int row) const { return m_lines.at(row); }
    qint64 recordNumber(int row) const { return m_numbers.at(row); }
    const QStringList &lines() const { return m_lines; }
    // Whether the line, lower-cased on a-z, holds text (lower-cased). Lines are
    // lower-cased the first time the quick find reaches them, not all at once.
    bool lineHolds(int row, const QString &text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_lines;
    QList<qint64> m_numbers;
    mutable QStringList m_lowered; // empty until first needed, then one per line
    mutable QList<bool> m_loweredDone;
};
