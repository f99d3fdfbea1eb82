#pragma once
// The Italian VAT number (partita IVA): eleven digits whose last one is the
// published check digit of the first ten; digits 8 to 10 name the provincial
// VAT office that issued it.
// Its screen: validators/PartitaIVA.
#include <QString>

namespace VatNumberCheck {

constexpr int Length = 11;

// The check digit (0-9) of the first ten characters of number, or -1 when
// there are fewer than ten or one of them is not a digit "0".."9".
int checkDigit(const QString &number);

// True when number is eleven digits and the last is the check digit.
bool isValid(const QString &number);

// The office of a three-character office code ("015" -> "Milano 1"); empty
// for a code the table does not hold (000, 103 to 119, 122 to 999, ...).
QString officeName(const QString &code);

// The office named by characters 8 to 10 of number.
QString issuingOffice(const QString &number);

} // namespace VatNumberCheck
