#pragma once
// An exact decimal number of up to eight decimals (the e-invoice's quantities
// and unit prices), and whole cents for every amount of money: never binary
// floating point, so a total is the sum the client checks by hand.
#include <QString>

#include <optional>

class Decimal {
public:
    static constexpr int MaxDecimals = 8;

    Decimal() = default;
    static Decimal fromCents(qint64 cents) { return Decimal(cents, 2); }
    static Decimal whole(qint64 units) { return Decimal(units, 0); }

    // Digits with one decimal comma (a point is read the same), an optional
    // minus sign; at most MaxDecimals decimals, no thousands separator.
    // Nothing for anything else, an empty text included.
    static std::optional<Decimal> parse(QStringView text);

    qint64 units() const { return m_units; }
    int decimals() const { return m_decimals; }
    bool isNegative() const { return m_units < 0; }
    bool isZero() const { return m_units == 0; }

    // The number with a point and at least two decimals, as the e-invoice
    // writes quantities and prices ("1.50", "12.3456").
    QString xmlText() const;
    // The number with a comma, as typed and stored ("1,5" stays "1,5").
    QString text() const;

    // This × other in cents, rounded half away from zero (half up for every
    // amount an invoice holds); nothing when it does not fit.
    std::optional<qint64> timesInCents(const Decimal &other) const;

private:
    Decimal(qint64 units, int decimals) : m_units(units), m_decimals(decimals) {}
    qint64 m_units = 0;
    int m_decimals = 0;
};

namespace Money {
// units / divisor rounded half away from zero.
qint64 divideRounded(qint64 units, qint64 divisor);
// "1234.50", "-0.05": the e-invoice's two-decimal amounts.
QString xmlText(qint64 cents);
// "1.234,50": what the screens and the courtesy copy show.
QString text(qint64 cents);
// A rate of VAT in hundredths of a percent (2200 = 22%): "22.00".
QString rateXmlText(int hundredths);
// The tax on taxable cents at a rate in hundredths of a percent, rounded half up.
qint64 tax(qint64 taxableCents, int rateHundredths);
} // namespace Money
