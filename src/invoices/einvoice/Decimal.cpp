#include "invoices/einvoice/Decimal.h"

#include <QtNumeric>

namespace {

constexpr qint64 power10(int n) {
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

QString withDecimals(qint64 units, int decimals, int atLeast, QChar separator) {
    QString digits = QString::number(units < 0 ? -units : units);
    int shown = decimals;
    while (shown < atLeast) {
        digits += QLatin1Char('0');
        ++shown;
    }
    if (digits.size() <= shown)
        digits.prepend(QString(shown - digits.size() + 1, QLatin1Char('0')));
    if (shown > 0)
        digits.insert(digits.size() - shown, separator);
    return units < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text = text.mid(1);
    }
    qint64 units = 0;
    int decimals = -1; // no separator yet
    int digits = 0;
    for (QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        if (decimals >= 0 && ++decimals > MaxDecimals)
            return std::nullopt;
        if (qMulOverflow(units, qint64(10), &units) || qAddOverflow(units, qint64(c.unicode() - '0'), &units))
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return Decimal(negative ? -units : units, decimals < 0 ? 0 : decimals);
}

QString Decimal::xmlText() const { return withDecimals(m_units, m_decimals, 2, QLatin1Char('.')); }

QString Decimal::text() const { return withDecimals(m_units, m_decimals, 0, QLatin1Char(',')); }

std::optional<qint64> Decimal::timesInCents(const Decimal &other) const {
    qint64 product = 0;
    if (qMulOverflow(m_units, other.m_units, &product))
        return std::nullopt;
    const int decimals = m_decimals + other.m_decimals;
    if (decimals <= 2) {
        qint64 cents = 0;
        if (qMulOverflow(product, power10(2 - decimals), &cents))
            return std::nullopt;
        return cents;
    }
    return Money::divideRounded(product, power10(decimals - 2));
}

namespace Money {

qint64 divideRounded(qint64 units, qint64 divisor) {
    const qint64 quotient = units / divisor, rest = units % divisor;
    // Half away from zero: |rest| * 2 >= divisor, without overflowing.
    const qint64 magnitude = rest < 0 ? -rest : rest;
    if (magnitude >= divisor - magnitude)
        return quotient + (units < 0 ? -1 : 1);
    return quotient;
}

QString xmlText(qint64 cents) { return withDecimals(cents, 2, 2, QLatin1Char('.')); }

QString text(qint64 cents) {
    QString plain = withDecimals(cents < 0 ? -cents : cents, 2, 2, QLatin1Char(','));
    for (qsizetype at = plain.size() - 6; at > 0; at -= 3)
        plain.insert(at, QLatin1Char('.'));
    return cents < 0 ? QLatin1Char('-') + plain : plain;
}

QString rateXmlText(int hundredths) { return withDecimals(hundredths, 2, 2, QLatin1Char('.')); }

qint64 tax(qint64 taxableCents, int rateHundredths) {
    return divideRounded(taxableCents * rateHundredths, 10000);
}

} // namespace Money
