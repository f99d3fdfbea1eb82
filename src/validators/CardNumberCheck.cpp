#include "validators/CardNumberCheck.h"

namespace CardNumberCheck {
namespace {

constexpr int kCounted = 20;

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// The type of a passing number beginning with 3, by its second digit.
QString typeOfThree(QChar second) {
    switch (second.unicode()) {
    case u'0':
    case u'6':
    case u'8':
        return QStringLiteral("Diner's Club / Carte Blanche");
    case u'4':
    case u'7':
        return QStringLiteral("American Express");
    case u'1':
    case u'3':
    case u'5':
        return QStringLiteral("JCB");
    default:
        return QString();
    }
}

} // namespace

QString countedDigits(const QString &text) {
    QString digits;
    for (QChar c : text.left(kCounted))
        if (isDigit(c))
            digits.append(c);
    return digits;
}

int classification(const QString &text) {
    const QString d = countedDigits(text);
    const int length = int(d.size());
    if (length == 0)
        return 0;
    // From the digit before the last leftwards: every other digit is doubled,
    // starting with that one.
    int sum = 0;
    for (int i = length - 2, n = 0; i >= 0; --i, ++n) {
        int v = d.at(i).unicode() - u'0';
        if (n % 2 == 0) {
            v *= 2;
            if (v >= 10)
                v -= 9;
        }
        sum += v;
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    const int last = d.at(length - 1).unicode() - u'0';
    return last == check ? (d.at(0).unicode() - u'0') - 2 : 0;
}

Verdict verdict(const QString &text) {
    switch (classification(text)) {
    case 1: {
        // The second digit is read from the digits that were tested, so a
        // number written with blanks ("3 7...") is still recognised.
        const QString d = countedDigits(text);
        const QString type = d.size() >= 2 ? typeOfThree(d.at(1)) : QString();
        return {type.isEmpty() ? Outcome::UnknownType : Outcome::Known, type};
    }
    case 2:
        return {Outcome::Known, QStringLiteral("Visa")};
    case 3:
        return {Outcome::Known, QStringLiteral("MasterCard")};
    case 4:
        return {Outcome::Known, QStringLiteral("Discover")};
    default:
        return {Outcome::Wrong, QString()};
    }
}

} // namespace CardNumberCheck
