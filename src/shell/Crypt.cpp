#include "shell/Crypt.h"

namespace Crypt {
namespace {
constexpr quint16 kStartKey = 3729, kMultiplier = 30517, kAddend = 29407;

quint16 advance(quint16 key, quint8 b) { return quint16((quint16(b + key)) * kMultiplier + kAddend); }

// A hexadecimal digit's value (either case), -1 for any other character.
int digit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

QString Scramble(const QString &text) {
    QString out;
    quint16 key = kStartKey;
    for (QChar c : text) {
        const quint8 b = quint8(c.unicode() & 0xFF) ^ quint8(key >> 8);
        out += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        key = advance(key, b);
    }
    return out;
}

bool Unscramble(const QString &hex, QString *text) {
    QString out;
    quint16 key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        // Both characters digits: a blank, a sign or a NUL byte makes no pair.
        const int high = digit(hex.at(i)), low = digit(hex.at(i + 1));
        if (high < 0 || low < 0)
            return false;
        const uint b = uint(high * 16 + low);
        out += QChar(ushort(quint8(b) ^ quint8(key >> 8)));
        key = advance(key, quint8(b));
    }
    *text = out;
    return true;
}

} // namespace Crypt
