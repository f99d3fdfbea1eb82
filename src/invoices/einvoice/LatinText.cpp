#include "invoices/einvoice/LatinText.h"

#include "core/text/TextRules.h"

#include <QList>

namespace {

// The characters Windows-1252 has beyond Latin-1, each in a plain form.
QString plainForm(char32_t c) {
    switch (c) {
    case 0x20AC:
        return QStringLiteral("EUR");
    case 0x201A:
    case 0x2018:
    case 0x2019:
    case 0x201B:
        return QStringLiteral("'");
    case 0x201E:
    case 0x201C:
    case 0x201D:
    case 0x201F:
        return QStringLiteral("\"");
    case 0x2013:
    case 0x2014:
    case 0x2012:
    case 0x2015:
    case 0x2022:
        return QStringLiteral("-");
    case 0x2026:
        return QStringLiteral("...");
    case 0x0192:
        return QStringLiteral("f");
    case 0x2020:
    case 0x2021:
        return QStringLiteral("+");
    case 0x02C6:
        return QStringLiteral("^");
    case 0x2030:
        return QStringLiteral("per mille");
    case 0x0160:
        return QStringLiteral("S");
    case 0x0161:
        return QStringLiteral("s");
    case 0x2039:
        return QStringLiteral("<");
    case 0x203A:
        return QStringLiteral(">");
    case 0x0152:
        return QStringLiteral("OE");
    case 0x0153:
        return QStringLiteral("oe");
    case 0x017D:
        return QStringLiteral("Z");
    case 0x017E:
        return QStringLiteral("z");
    case 0x02DC:
        return QStringLiteral("~");
    case 0x2122:
        return QStringLiteral("TM");
    case 0x0178:
        return QStringLiteral("Y");
    default:
        return {};
    }
}

void appendLatin(QString &out, char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
        out += QLatin1Char(' ');
        return;
    }
    if (c <= 0xFF) {
        out += QChar(char16_t(c));
        return;
    }
    if (const QString plain = plainForm(c); !plain.isEmpty()) {
        out += plain;
        return;
    }
    // Anything else: its closest Windows-1252 character, then that one's plain form.
    const QByteArray bytes = Text::toCp1252(QString::fromUcs4(&c, 1));
    const QString closest = Text::fromCp1252(bytes.isEmpty() ? QByteArray("?") : bytes.left(1));
    const char32_t mapped = closest.isEmpty() ? U'?' : closest.at(0).unicode();
    if (mapped > 0xFF) {
        const QString plain = plainForm(mapped);
        out += plain.isEmpty() ? QStringLiteral("?") : plain;
    } else {
        out += QChar(char16_t(mapped));
    }
}

QString cut(QString text, int maxLength) {
    text = Text::trim(text);
    if (text.size() > maxLength)
        text = Text::trim(text.left(maxLength));
    return text;
}

} // namespace

namespace LatinText {

QString of(const QString &text, int maxLength) {
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4())
        appendLatin(out, c);
    return cut(out, maxLength);
}

QString basic(const QString &text, int maxLength) {
    const QString latin = of(text, text.size() * 9 + 1).normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(latin.size());
    for (QChar c : latin) {
        if (c.unicode() < 0x80)
            out += c;
        else if (c.category() != QChar::Mark_NonSpacing)
            out += QLatin1Char('?');
    }
    return cut(out, maxLength);
}

} // namespace LatinText
