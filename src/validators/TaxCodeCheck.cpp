#include "validators/TaxCodeCheck.h"

#include "core/text/TextRules.h"

namespace TaxCodeCheck {
namespace {

// Indexed by character code from "0" to "Z": the ten digits, the seven
// punctuation characters ":;<=>?@" (worth nothing), then A to Z.
// clang-format off
constexpr int kOdd[43] = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                         // 0-9
    0, 0, 0, 0, 0, 0, 0,                                       // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18,               // A-M
    20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};          // N-Z
constexpr int kEven[43] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                              // 0-9
    0, 0, 0, 0, 0, 0, 0,                                       // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,                  // A-M
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};       // N-Z
// clang-format on

int indexOf(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'Z') ? int(u - u'0') : -1;
}

} // namespace

int oddValue(QChar c) {
    const int i = indexOf(c);
    return i < 0 ? -1 : kOdd[i];
}

int evenValue(QChar c) {
    const int i = indexOf(c);
    return i < 0 ? -1 : kEven[i];
}

QChar checkCharacter(const QString &code) {
    if (code.size() < Length - 1)
        return QChar();
    const QString t = Text::upperAZ(code.left(Length - 1));
    int sum = 0;
    for (int i = 0; i < Length - 1; ++i) {
        // Position i + 1 is odd when i is even.
        const int v = (i % 2 == 0) ? oddValue(t.at(i)) : evenValue(t.at(i));
        if (v < 0)
            return QChar(); // blanks, accented letters and the like have no value: never valid
        sum += v;
    }
    return QChar(u'A' + sum % 26);
}

bool isValid(const QString &code) {
    if (code.size() != Length)
        return false;
    const QChar expected = checkCharacter(code);
    return !expected.isNull() && Text::upperAZ(code.right(1)).at(0) == expected;
}

} // namespace TaxCodeCheck
