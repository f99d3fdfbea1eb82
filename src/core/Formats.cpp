#include "core/Formats.h"

#include "core/TextRules.h"

#include <QLocale>
#include <QRegularExpression>

namespace Formats {

void install() {
    QLocale it(QLocale::Italian, QLocale::Italy);
    it.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(it);
}

QString dateText(const QDate &d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}
QString longTimeText(const QTime &t) { return t.toString(QStringLiteral("HH:mm:ss")); }
QString shortTimeText(const QTime &t) { return t.toString(QStringLiteral("HH:mm")); }

QDate parseDate(const QString &text) {
    // d/m/yyyy with one or two digits for day and month: read by hand, since
    // the lists parse a date for every record of the archive.
    const QString t = Text::trim(text);
    int part[3] = {0, 0, 0}, digits[3] = {0, 0, 0}, k = 0;
    for (QChar c : t) {
        if (c == QLatin1Char('/')) {
            if (++k > 2)
                return {};
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            // No part has more than four digits: a longer run is no date (and
            // would overflow the number being built).
            if (++digits[k] > 4)
                return {};
            part[k] = part[k] * 10 + (c.unicode() - '0');
        } else {
            return {};
        }
    }
    if (k != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return {};
    return QDate(part[2], part[1], part[0]);
}

double parseDecimal(const QString &text, bool *ok) {
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString t = Text::trim(text);
    if (!re.match(t).hasMatch()) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    return c.toDouble(ok);
}

QString decimalText(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

} // namespace Formats
