#include "backup/engine/EscapedText.h"

#include "core/text/TextRules.h"

namespace EscapedText {
namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

QByteArray escaped(const QString &text) {
    QByteArray out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            out += "\\\\";
            continue;
        }
        const int byte = Text::cp1252Byte(c.unicode());
        if (byte >= 0x20 && !c.isSurrogate())
            out += char(byte);
        else
            out += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    }
    return out;
}

std::optional<QString> unescaped(const QByteArray &bytes) {
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\') {
            out += Text::fromCp1252(bytes.constData() + i, 1);
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] == '\\') {
            out += QLatin1Char('\\');
            ++i;
            continue;
        }
        if (i + 5 >= bytes.size() || bytes[i + 1] != 'u')
            return std::nullopt;
        uint unit = 0;
        for (qsizetype k = i + 2; k < i + 6; ++k) {
            const int digit = hexDigit(bytes[k]);
            if (digit < 0)
                return std::nullopt;
            unit = unit * 16 + uint(digit);
        }
        out += QChar(char16_t(unit));
        i += 5;
    }
    // Half of a surrogate pair names no character: no file can be called so.
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i;
        else if (out[i].isSurrogate())
            return std::nullopt;
    }
    return out;
}

} // namespace EscapedText
