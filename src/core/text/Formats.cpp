#include "core/text/Formats.h"

#include "core/text/TextRules.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

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

namespace {

// d/m/yyyy with one or two digits for day and month: read by hand, since the
// lists parse a date for every record of the archive.
template <class Char> QDate parseDigits(const Char *c, qsizetype n) {
    int part[3] = {0, 0, 0}, digits[3] = {0, 0, 0}, k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned u = unsigned(c[i]);
        if (u == '/') {
            if (++k > 2)
                return {};
        } else if (u >= '0' && u <= '9') {
            // No part has more than four digits: a longer run is no date (and
            // would overflow the number being built).
            if (++digits[k] > 4)
                return {};
            part[k] = part[k] * 10 + int(u - '0');
        } else {
            return {};
        }
    }
    if (k != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return {};
    return QDate(part[2], part[1], part[0]);
}

} // namespace

QDate parseDate(const QString &text) {
    const QStringView t = Text::trim(QStringView(text));
    return parseDigits(t.utf16(), t.size());
}

QDate parseDate(QByteArrayView trimmed) {
    return parseDigits(reinterpret_cast<const uchar *>(trimmed.data()), trimmed.size());
}

int parseInt(QByteArrayView trimmed, bool *ok) {
    *ok = false;
    qsizetype i = 0;
    const bool negative = !trimmed.isEmpty() && trimmed[0] == '-';
    if (!trimmed.isEmpty() && (trimmed[0] == '-' || trimmed[0] == '+'))
        ++i;
    const qsizetype digits = trimmed.size() - i;
    if (digits < 1 || digits > 9)
        return 0;
    int value = 0;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9')
            return 0;
        value = value * 10 + (trimmed[i] - '0');
    }
    *ok = true;
    return negative ? -value : value;
}

bool isDecimalShape(QStringView t, bool pointToo) {
    qsizetype i = 0;
    const qsizetype n = t.size();
    const auto digit = [&t](qsizetype at) { return t[at] >= u'0' && t[at] <= u'9'; };
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype whole = 0, decimals = 0;
    for (; i < n && digit(i); ++i)
        ++whole;
    const bool separator = i < n && (t[i] == u',' || (pointToo && t[i] == u'.'));
    if (separator)
        for (++i; i < n && digit(i); ++i)
            ++decimals;
    return i == n && (whole > 0 || decimals > 0);
}

double parseDecimal(const QString &text, bool *ok) {
    const QString t = Text::trim(text);
    if (!isDecimalShape(t, true)) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    return c.toDouble(ok);
}

QString decimalText(double value, int decimals) {
    QString s = decimals >= 0 ? QString::number(value, 'f', decimals) : QString::number(value, 'g', 15);
    if (s.contains(QLatin1Char('e'))) // too large or small for 'g' without an exponent
        s = QString::number(value, 'f', QLocale::FloatingPointShortest);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString groupedAmountText(double value) {
    // Half up on the magnitude, so -0,005 and 0,005 round alike.
    const qint64 cents = qint64(std::floor(std::abs(value) * 100 + 0.5 + 1e-9));
    return groupedCentsText(value < 0 ? -cents : cents);
}

QString groupedCentsText(qint64 cents) {
    const qint64 magnitude = cents < 0 ? -cents : cents;
    QString whole = QString::number(magnitude / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char('.'));
    const QString text =
        whole + QLatin1Char(',') + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? QLatin1Char('-') + text : text;
}

} // namespace Formats
