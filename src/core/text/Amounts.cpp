#include "core/text/Amounts.h"

#include "core/text/Formats.h"
#include "core/text/TextRules.h"

#include <QRegularExpression>

namespace Amounts {
namespace {

// Adds one to a string of decimal digits.
QString plusOne(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

} // namespace

// The rounding works on the typed digits: a binary double would see 12,345
// as 12,3449999... and round a typed half down.
QString normalise(const QString &text, int decimals) {
    const QString zero = QStringLiteral("0,00");
    static const QRegularExpression number(QStringLiteral("^([+-]?)(\\d*)(?:[.,](\\d*))?$"));
    const auto m = number.match(Text::trim(text));
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return zero;
    const QString fraction = m.captured(3);
    // The value scaled to whole units of the last kept decimal, as digits.
    QString scaled = m.captured(2) + fraction.leftJustified(decimals, QLatin1Char('0'), true);
    if (fraction.size() > decimals && fraction.at(decimals) >= QLatin1Char('5'))
        scaled = plusOne(scaled); // halves round up
    scaled = scaled.rightJustified(decimals + 1, QLatin1Char('0'));

    // The shortest text: no leading zeros, no trailing decimal zeros.
    QString whole = scaled.left(scaled.size() - decimals);
    QString decimalsText = scaled.right(decimals);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (decimalsText.endsWith(QLatin1Char('0')))
        decimalsText.chop(1);
    QString s = whole;
    if (!decimalsText.isEmpty())
        s += QLatin1Char(',') + decimalsText;
    if (m.captured(1) == QLatin1String("-") && s != QLatin1String("0"))
        s.prepend(QLatin1Char('-'));

    if (decimalsText.isEmpty())
        s += QStringLiteral(",00");
    else if (decimalsText.size() == 1)
        s += QLatin1Char('0');
    return s;
}

double read(const QString &text, bool *ok) {
    const QString t = Text::trim(text);
    if (!Formats::isDecimalShape(t, false)) {
        *ok = false;
        return 0;
    }
    return QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(ok);
}

qint64 hundredths(const QString &text) {
    QString rounded = normalise(text); // "-12,35": always two decimals
    rounded.remove(QLatin1Char(','));
    return rounded.toLongLong();
}

QString hundredthsText(qint64 value) {
    const qint64 magnitude = value < 0 ? -value : value;
    const QString text = QString::number(magnitude / 100) + QLatin1Char(',') +
                         QString::number(magnitude % 100).rightJustified(2, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + text : text;
}

} // namespace Amounts
