#pragma once
// A record shown as one fixed-column text line: fields trimmed and padded or
// cut to their widths, joined by literal pieces; the last field is unpadded.
// The line is made in Windows-1252 bytes, straight from the record, so long
// lists can keep, sort and search their lines without decoding them all.
#include "core/records/RecordLayout.h"

#include <QList>
#include <QString>

class LineFormat {
public:
    struct Piece {
        QByteArray literal; // used when field < 0 (Windows-1252)
        int field = -1;
        int width = -1; // -1: trimmed only
        int from = 0;   // a part of the trimmed field: its first character...
        int length = -1; // ...and how many (-1: to the end)
    };

    explicit LineFormat(const RecordLayout &layout) : m_layout(&layout) {}
    LineFormat &text(const QString &literal);
    LineFormat &field(const char *name, int width = -1);
    // Characters from..from+length of the trimmed field, as QString::mid takes them.
    LineFormat &part(const char *name, int from, int length);

    QString build(const char *record) const;
    QString build(const Record &record) const { return build(record.bytes().constData()); }
    // The same line as Windows-1252 bytes, appended to out.
    void appendBytes(const char *record, QByteArray &out) const;
    const RecordLayout &layout() const { return *m_layout; }
    // The longest line a record can make, in bytes.
    int maxLength() const { return m_maxLength; }
    // The fields the line reads, each once, in layout order.
    QList<int> fields() const;

private:
    void add(Piece piece);

    const RecordLayout *m_layout;
    QList<Piece> m_pieces;
    int m_maxLength = 0;
};

// Pads with blanks on the right to width, keeping the first width characters.
QString padCut(const QString &text, int width);
