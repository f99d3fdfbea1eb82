#pragma once
// Payment card numbers: the Luhn check digit test over the first twenty
// characters, and the card type told by the leading digits. The length of the
// number plays no part.
// Its screen: validators/Carta.
#include <QString>

namespace CardNumberCheck {

// The digits among the first twenty characters of text, in order.
QString countedDigits(const QString &text);

// The classification r: (first digit - 2) when the counted digits pass the
// Luhn test, 0 otherwise (and for no digits at all). So 1 to 4 stand for a
// passing number beginning with 3 to 6.
int classification(const QString &text);

enum class Outcome {
    Wrong,      // fails the test, or passes with a first digit other than 3 to 6
    Known,      // passes and its type is known
    UnknownType // passes, begins with 3, and the second digit names no type (32, 39)
};

struct Verdict {
    Outcome outcome;
    QString type; // "Visa", "American Express", ... for Known
};

Verdict verdict(const QString &text);

} // namespace CardNumberCheck
