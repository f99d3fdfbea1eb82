#pragma once
// The check character of an Italian personal tax code (codice fiscale): the
// sixteenth character, recomputed from the first fifteen with the official
// odd- and even-position tables.
// Its screen: validators/CodFisc.
#include <QChar>
#include <QString>

namespace TaxCodeCheck {

constexpr int Length = 16;

// The value of c at an odd (1st, 3rd, ... 15th) or even (2nd, ... 14th)
// position; the punctuation between "9" and "A" counts 0; -1 outside "0".."Z".
int oddValue(QChar c);
int evenValue(QChar c);

// The check character expected for the first fifteen characters of code (a-z
// counted as A-Z); a null QChar when code is shorter or one of the fifteen has
// no value in the tables.
QChar checkCharacter(const QString &code);

// True when code (a-z counted as A-Z) has sixteen characters and the last is
// the check character of the first fifteen.
bool isValid(const QString &code);

} // namespace TaxCodeCheck
