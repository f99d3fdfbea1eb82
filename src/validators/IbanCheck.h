#pragma once
// The IBAN check digits (ISO 13616): the rearranged code, letters turned into
// numbers, leaves remainder 1 modulo 97.
// Its screen: validators/Iban.
#include <QString>

namespace IbanCheck {

constexpr int Length = 27; // an Italian IBAN

// The remainder modulo 97 of text: upper-cased (a-z), its first "IBAN"
// removed, the first four characters moved to the end, letters A-Z replaced
// by 10-35, then reduced nine digits at a time. 0 for an empty text or when a
// character other than a digit or a letter A-Z remains.
int remainder97(const QString &text);

// True when text, without its blanks, leaves remainder 1.
bool isValid(const QString &text);

} // namespace IbanCheck
