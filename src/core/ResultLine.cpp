#include "core/ResultLine.h"

LineFormat &LineFormat::text(const QString &literal) {
    m_pieces.append({literal, -1, -1});
    return *this;
}

LineFormat &LineFormat::field(const char *name, int width) {
    const int i = m_layout->indexOf(name);
    Q_ASSERT_X(i >= 0, "LineFormat::field", name);
    m_pieces.append({QString(), i, width});
    return *this;
}

QString padCut(const QString &text, int width) {
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), QLatin1Char(' '));
}

QString LineFormat::build(const char *record) const {
    QString line;
    line.reserve(160);
    for (const Piece &p : m_pieces) {
        if (p.field < 0) {
            line += p.literal;
            continue;
        }
        const QString value = decodeField(*m_layout, record, p.field);
        line += p.width < 0 ? value : padCut(value, p.width);
    }
    return line;
}
