#pragma once
// Amounts as the program writes and reads them: the text an amount field
// holds once the user leaves it (ui/input/InputRules applies it), and the
// value of a stored amount (the services total, the year's overview).
#include <QString>

namespace Amounts {

// An empty or non-numeric text gives "0,00"; otherwise the typed value is
// rounded half up (on its decimal digits) to `decimals` places and written with a comma and at least two
// decimals ("12" -> "12,00", "12,5" -> "12,50", "12,346" -> "12,35").
QString normalise(const QString &text, int decimals = 2);

// The value of a stored amount: digits with an optional decimal comma and an
// optional sign, nothing else. A dot ("12.50", written outside the program)
// or a thousands separator ("1.250,00") makes it unreadable: ok is false.
double read(const QString &text, bool *ok);

// A readable amount (or number of hours) in hundredths, rounded half up once
// on its decimal digits as the amount rule does ("12,345" gives 1235), so no
// binary fraction ever enters a sum.
qint64 hundredths(const QString &text);
// Hundredths written as an amount: 123456 -> "1234,56", -5 -> "-0,05".
QString hundredthsText(qint64 value);

} // namespace Amounts
