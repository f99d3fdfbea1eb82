#include "core/Formats.h"

#include "core/TextRules.h"

#include <QLocale>
#include <QRegularExpression>

namespace Formats {

void install() {
    QLocale it(QLocale::Italian, QLocale::Italy);
    it.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(it);
}

QString dateText(const QDate &d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}
QString longTimeText(const QTime &t) { return t.toString(QStringLiteral("HH:mm:ss")); }
QString shortTimeText(const QTime &t) { return t.toString(QStringLiteral("HH:mm")); }

QDate parseDate(const QString &text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto m = re.match(Text::trim(text));
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

double parseDecimal(const QString &text, bool *ok) {
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString t = Text::trim(text);
    if (!re.match(t).hasMatch()) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    return c.toDouble(ok);
}

QString decimalText(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

} // namespace Formats
