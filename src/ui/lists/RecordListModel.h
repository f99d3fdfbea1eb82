#pragma once
// The lines of a list screen with the record number each line came from, so
// a chosen line leads back to exactly its record. Lines are kept as their
// Windows-1252 bytes, one block for the whole list, and turned into text only
// when shown: a list of 100 000 lines fills, sorts and scrolls quickly.
#include "core/text/TextRules.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

class LineFormat;
class Record;

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Lines given as text (Windows-1252 text: other characters are replaced).
    void setLines(const QStringList &lines, QList<qint64> numbers);
    // Lists, in file order, the line of every record of the archive that
    // selection keeps; false when the archive cannot be read (the lines
    // read until then stay listed).
    bool fill(const QString &path, const LineFormat &line,
              const std::function<bool(const char *record)> &selection);
    // Re-reads the record of a line from its archive, now.
    bool readRecord(int row, const QString &path, Record &record) const;
    void clear() { setLines({}, {}); }
    // Ascending order of the line text, comparing a-z without regard to case;
    // equal lines keep their order.
    void sortNoCaseAZ();

    int count() const { return int(m_rows.size()); }
    QString line(int row) const;
    qint64 recordNumber(int row) const { return m_rows.at(row).number; }
    QStringList lines() const;
    // The row of the line with the most characters (-1 for an empty list):
    // in the list's monospaced font it is also the widest line.
    int longestRow() const;
    // Whether the line, lower-cased on a-z, holds text (already lower-cased).
    bool lineHolds(int row, const QString &text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Row {
        qsizetype at;   // where the line's bytes start in m_bytes
        qsizetype size; // how many
        qint64 number;  // the record it came from
    };
    void startFill();
    void endFill();

    QByteArray m_bytes;                  // every line's bytes, in the order they were read
    QList<Row> m_rows;                   // in the order shown
    mutable Text::NoCaseFinder m_finder; // what the quick find looks for, kept between lines
};
