#include "core/ResultLine.h"

#include "core/TextRules.h"

#include <algorithm>

LineFormat &LineFormat::text(const QString &literal) {
    m_pieces.append({Text::toCp1252(literal), -1, -1});
    return *this;
}

LineFormat &LineFormat::field(const char *name, int width) {
    const int i = m_layout->indexOf(name);
    Q_ASSERT_X(i >= 0, "LineFormat::field", name);
    m_pieces.append({QByteArray(), i, width});
    return *this;
}

LineFormat &LineFormat::part(const char *name, int from, int length) {
    const int i = m_layout->indexOf(name);
    Q_ASSERT_X(i >= 0, "LineFormat::part", name);
    m_pieces.append({QByteArray(), i, -1, from, length});
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

QString padCut(const QString &text, int width) {
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), QLatin1Char(' '));
}

void LineFormat::appendBytes(const char *record, QByteArray &out) const {
    for (const Piece &p : m_pieces) {
        if (p.field < 0) {
            out += p.literal;
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
        out += f;
        if (p.width > f.size())
            out.append(p.width - f.size(), ' ');
    }
}

QString LineFormat::build(const char *record) const {
    QByteArray bytes;
    bytes.reserve(160);
    appendBytes(record, bytes);
    return Text::fromCp1252(bytes);
}
