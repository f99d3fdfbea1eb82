#include "validators/IbanCheck.h"

#include "core/text/TextRules.h"

namespace IbanCheck {
namespace {

bool allDigits(const QString &s) {
    for (QChar c : s)
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    return !s.isEmpty();
}

} // namespace

int remainder97(const QString &text) {
    QString x = Text::upperAZ(text);
    const qsizetype prefix = x.indexOf(QStringLiteral("IBAN"));
    if (prefix >= 0)
        x.remove(prefix, 4);
    x = x.mid(4) + x.left(4);
    QString numeric;
    numeric.reserve(x.size() * 2);
    for (QChar c : x) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            numeric += QString::number(c.unicode() - 55);
        else
            numeric += c;
    }
    // Piecewise, so the running value never exceeds nine digits.
    int r = 0;
    QString m;
    qsizetype k = 9;
    for (qsizetype p = 0; p < numeric.size();) {
        m += numeric.mid(p, k);
        if (!allDigits(m))
            return 0;
        r = int(m.toLongLong() % 97);
        p += k;
        m = QString::number(r);
        k = 9 - m.size();
    }
    return r;
}

bool isValid(const QString &text) { return remainder97(QString(text).remove(QLatin1Char(' '))) == 1; }

} // namespace IbanCheck
