#include "core/ResultLine.h"

#include "core/TextRules.h"

#include <algorithm>

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
        // Trimming on the bytes is the same as on the text: Windows-1252 maps
        // every byte up to the blank to itself and nothing else below it.
        const char *f = record + m_layout->offset(p.field);
        int begin = 1, end = 1 + std::min<int>(uchar(f[0]), m_layout->field(p.field).width);
        while (begin < end && uchar(f[begin]) <= ' ')
            ++begin;
        while (end > begin && uchar(f[end - 1]) <= ' ')
            --end;
        int len = end - begin;
        if (p.width >= 0 && len > p.width)
            len = p.width;
        Text::appendCp1252(line, f + begin, len);
        if (p.width > len) {
            const qsizetype at = line.size();
            line.resize(at + p.width - len);
            std::fill(line.begin() + at, line.end(), QLatin1Char(' '));
        }
    }
    return line;
}
