#include "shell/Crypt.h"

namespace Crypt {
namespace {
constexpr quint16 kStartKey = 3729, kMultiplier = 30517, kAddend = 29407;

quint16 advance(quint16 key, quint8 b) { return quint16((quint16(b + key)) * kMultiplier + kAddend); }
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
        bool ok = false;
        const uint b = hex.mid(i, 2).toUInt(&ok, 16);
        if (!ok || hex.at(i).isSpace() || hex.at(i + 1).isSpace() || hex.at(i) == QLatin1Char('+') ||
            hex.at(i) == QLatin1Char('-'))
            return false;
        out += QChar(ushort(quint8(b) ^ quint8(key >> 8)));
        key = advance(key, quint8(b));
    }
    *text = out;
    return true;
}

} // namespace Crypt
