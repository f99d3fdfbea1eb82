#include "core/text/TextRules.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cstring>

namespace Text {
namespace {

// Code points of the bytes 0x80-0x9F; the five bytes Windows leaves undefined
// map to the C1 control of the same value, as Windows itself does.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isAZLower(QChar c) { return c.unicode() >= 'a' && c.unicode() <= 'z'; }
bool isAZUpper(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

// Closest Windows-1252 text for a code point Windows-1252 lacks: the base
// letters of its compatibility decomposition, or "?".
void appendClosest(QByteArray &out, char32_t cp) {
    const QString decomposed = QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD);
    QByteArray base;
    for (char32_t d : decomposed.toUcs4()) {
        const QChar::Category cat = QChar::category(d);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing)
            continue;
        const int b = cp1252Byte(d);
        if (b < 0x20 || b == 0x7F || (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] == b)) {
            base.clear();
            break;
        }
        base.append(char(b));
    }
    out.append(base.isEmpty() ? QByteArray("?") : base);
}

} // namespace

QStringView trim(QStringView s) {
    qsizetype start = 0, end = s.size();
    while (start < end && s.at(start).unicode() <= ' ')
        ++start;
    while (end > start && s.at(end - 1).unicode() <= ' ')
        --end;
    return s.mid(start, end - start);
}

QString trim(const QString &s) {
    const QStringView t = trim(QStringView(s));
    return t.size() == s.size() ? s : t.toString();
}

namespace {
// Shifts the letters first..last by delta, copying only when one changes.
QString shiftRange(const QString &s, char16_t first, char16_t last, int delta) {
    const char16_t *src = reinterpret_cast<const char16_t *>(s.utf16());
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n && (src[i] < first || src[i] > last))
        ++i;
    if (i == n)
        return s;
    QString r(n, Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(r.data());
    std::copy(src, src + i, dst);
    for (; i < n; ++i)
        dst[i] = (src[i] >= first && src[i] <= last) ? char16_t(src[i] + delta) : src[i];
    return r;
}
} // namespace

QString upperAZ(const QString &s) { return shiftRange(s, u'a', u'z', -32); }
QString lowerAZ(const QString &s) { return shiftRange(s, u'A', u'Z', 32); }

int compareNoCaseAZ(const QString &a, const QString &b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        QChar ca = a.at(i), cb = b.at(i);
        ushort ua = isAZLower(ca) ? ca.unicode() - 32 : ca.unicode();
        ushort ub = isAZLower(cb) ? cb.unicode() - 32 : cb.unicode();
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QByteArray foldedAZ(QByteArrayView bytes) {
    QByteArray out(bytes.data(), bytes.size());
    for (char &c : out)
        c = foldAZ(c);
    return out;
}

bool equalNoCaseAZ(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAZ(x) == foldAZ(y); });
}

bool containsNoCaseAZ(const QString &haystack, const QString &needle) {
    return upperAZ(haystack).contains(upperAZ(needle));
}

int cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    return -1;
}

QByteArray toCp1252(const QString &s) {
    QByteArray out;
    out.reserve(s.size());
    for (char32_t cp : s.toUcs4()) {
        const int b = cp1252Byte(cp);
        if (b >= 0)
            out.append(char(b));
        else
            appendClosest(out, cp);
    }
    return out;
}

void appendCp1252(QString &out, const char *data, int length) {
    const qsizetype start = out.size();
    out.resize(start + length);
    char16_t *d = reinterpret_cast<char16_t *>(out.data()) + start;
    for (int i = 0; i < length; ++i) {
        const uchar b = uchar(data[i]);
        d[i] = (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char16_t(b);
    }
}

QString fromCp1252(const char *data, int length) {
    QString out;
    appendCp1252(out, data, length);
    return out;
}

QString fromCp1252(const QByteArray &bytes) { return fromCp1252(bytes.constData(), int(bytes.size())); }

NoCaseFinder::NoCaseFinder(const QString &text) : m_text(text) {
    m_lowered = toCp1252(lowerAZ(text));
    m_fits = fromCp1252(m_lowered) == lowerAZ(text);
}

bool NoCaseFinder::in(QByteArrayView bytes) const {
    if (!m_fits)
        return false;
    if (m_lowered.isEmpty())
        return true;
    return std::search(bytes.begin(), bytes.end(), m_lowered.cbegin(), m_lowered.cend(),
                       [](char b, char t) { return foldAZ(b) == t; }) != bytes.end();
}

namespace {

// For each byte, its decoded and upper-cased character's place among those of
// all bytes ("a" and "A" share a place).
const uchar *sortRanks() {
    static const std::array<uchar, 256> ranks = [] {
        // Each byte's upper-cased character, then the distinct characters in
        // order: a byte's rank is its character's place among them.
        std::array<char16_t, 256> upper{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            upper[b] = upperAZ(fromCp1252(&c, 1)).at(0).unicode();
        }
        std::array<char16_t, 256> distinct = upper;
        std::sort(distinct.begin(), distinct.end());
        const auto end = std::unique(distinct.begin(), distinct.end());
        std::array<uchar, 256> r{};
        for (int b = 0; b < 256; ++b)
            r[b] = uchar(std::lower_bound(distinct.begin(), end, upper[b]) - distinct.begin());
        return r;
    }();
    return ranks.data();
}

} // namespace

uchar placeNoCaseAZ(uchar byte) {
    static const uchar *rank = sortRanks();
    return rank[byte];
}

bool lessNoCaseAZ(QByteArrayView a, QByteArrayView b) {
    // Equal bytes have equal places: only the differing ones are looked up.
    static const uchar *rank = sortRanks();
    const qsizetype n = std::min(a.size(), b.size());
    // Long equal stretches (padded names, shared words) are passed eight
    // bytes at a time.
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y)
            break;
    }
    for (; i < n; ++i) {
        const uchar x = uchar(a[i]), y = uchar(b[i]);
        if (x != y && rank[x] != rank[y])
            return rank[x] < rank[y];
    }
    return a.size() < b.size();
}

} // namespace Text
