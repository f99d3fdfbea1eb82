#pragma once
// The password scrambling: each character's 8-bit code is XOR-ed with a
// 16-bit key that advances with every scrambled byte.
#include <QString>

namespace Crypt {

// Text of characters with codes 1-255 -> two upper-case hex digits per character.
QString Scramble(const QString &text);
// Hex text -> password text; a trailing odd digit is ignored. False when a
// pair is not hexadecimal.
bool Unscramble(const QString &hex, QString *text);

} // namespace Crypt
