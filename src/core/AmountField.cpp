#include "core/AmountField.h"

#include "core/Formats.h"
#include "core/TextRules.h"

#include <cmath>

namespace AmountField {
namespace {

// The shortest text of the value with up to 15 significant digits, comma as
// separator, never in exponent form.
QString shortestText(double v) {
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        s = QString::number(v, 'f', 4);
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

} // namespace

QString normalise(const QString &text, int decimals) {
    const QString zero = QStringLiteral("0,00");
    const QString t = Text::trim(text);
    if (t.isEmpty())
        return zero;
    bool ok = false;
    const double v = Formats::parseDecimal(t, &ok);
    if (!ok || !std::isfinite(v))
        return zero;
    // Halves round up: scale, add a half, drop the fraction, scale back.
    const double scale = std::pow(10.0, decimals);
    QString s = shortestText(std::trunc(v * scale + 0.5) / scale);
    const int comma = s.indexOf(QLatin1Char(','));
    if (comma < 0)
        s += QStringLiteral(",00");
    else if (s.size() - comma == 2)
        s += QLatin1Char('0');
    return s;
}

} // namespace AmountField
