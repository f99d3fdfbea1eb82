#include "core/records/ResultLine.h"

#include "core/text/TextRules.h"

#include <algorithm>
#include <cstring>

LineFormat &LineFormat::text(const QString &literal) {
    add({Text::toCp1252(literal), -1, -1});
    return *this;
}

LineFormat &LineFormat::field(const char *name, int width) {
    add({QByteArray(), m_layout->require(name), width});
    return *this;
}

LineFormat &LineFormat::part(const char *name, int from, int length) {
    add({QByteArray(), m_layout->require(name), -1, from, length});
    return *this;
}

QList<int> LineFormat::fields() const {
    QList<int> used;
    for (const Piece &p : m_pieces)
        if (p.field >= 0 && !used.contains(p.field))
            used.append(p.field);
    std::sort(used.begin(), used.end());
    return used;
}

void LineFormat::add(Piece piece) {
    if (piece.field < 0)
        m_maxLength += int(piece.literal.size());
    else if (piece.width >= 0)
        m_maxLength += piece.width;
    else {
        const int rest = std::max(0, m_layout->field(piece.field).width - piece.from);
        m_maxLength += piece.length >= 0 ? std::min(piece.length, rest) : rest;
    }
    m_pieces.append(std::move(piece));
}

QString padCut(const QString &text, int width) {
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), QLatin1Char(' '));
}

void LineFormat::appendBytes(const char *record, QByteArray &out) const {
    // Written through a cursor into room taken once: lists make a line for
    // every record they keep.
    const qsizetype start = out.size();
    out.resize(start + m_maxLength);
    char *cursor = out.data() + start;
    for (const Piece &p : m_pieces) {
        if (p.field < 0) {
            std::memcpy(cursor, p.literal.constData(), size_t(p.literal.size()));
            cursor += p.literal.size();
            continue;
        }
        // One byte is one character in Windows-1252, so widths and parts
        // count bytes.
        QByteArrayView f = fieldBytes(*m_layout, record, p.field);
        if (p.from > 0 || p.length >= 0)
            f = f.sliced(std::min<qsizetype>(p.from, f.size()));
        if (p.length >= 0 && f.size() > p.length)
            f = f.first(p.length);
        if (p.width >= 0 && f.size() > p.width)
            f = f.first(p.width);
        std::memcpy(cursor, f.data(), size_t(f.size()));
        cursor += f.size();
        if (p.width > f.size()) {
            std::memset(cursor, ' ', size_t(p.width - f.size()));
            cursor += p.width - f.size();
        }
    }
    out.resize(cursor - out.constData());
}

QString LineFormat::build(const char *record) const {
    QByteArray bytes;
    bytes.reserve(160);
    appendBytes(record, bytes);
    return Text::fromCp1252(bytes);
}
