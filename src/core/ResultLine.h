#pragma once
// A record shown as one fixed-column text line: fields trimmed and padded or
// cut to their widths, joined by literal pieces; the last field is unpadded.
#include "core/RecordLayout.h"

#include <QList>
#include <QString>

class LineFormat {
public:
    struct Piece {
        QString literal; // used when field < 0
        int field = -1;
        int width = -1; // -1: trimmed only
    };

    explicit LineFormat(const RecordLayout &layout) : m_layout(&layout) {}
    LineFormat &text(const QString &literal);
    LineFormat &field(const char *name, int width = -1);

    QString build(const char *record) const;
    QString build(const Record &record) const { return build(record.bytes().constData()); }
    const RecordLayout &layout() const { return *m_layout; }

private:
    const RecordLayout *m_layout;
    QList<Piece> m_pieces;
};

// Pads with blanks on the right to width, keeping the first width characters.
QString padCut(const QString &text, int width);
