#include "contracts/card/ContractVisits.h"

#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"

#include <QRegularExpression>

namespace ContractVisits {

QTime firstTime(const QString &hours) {
    static const QRegularExpression time(QStringLiteral("(?<!\\d)(\\d{1,2})[:.](\\d{2})(?!\\d)"));
    for (auto it = time.globalMatch(hours); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QTime t(m.captured(1).toInt(), m.captured(2).toInt());
        if (t.isValid())
            return t;
    }
    return QTime(9, 0);
}

Record appointment(const Contract &c, const QDate &today) {
    QDate first = Formats::parseDate(Text::trim(c.date));
    if (!first.isValid())
        first = today;
    const QTime at = firstTime(c.hours);
    const QString hh = at.toString(QStringLiteral("hh")), mm = at.toString(QStringLiteral("mm"));
    QStringList activities;
    for (const QString &a : c.included)
        if (!Text::trim(a).isEmpty())
            activities << Text::trim(a);
    Record r(Archives::appointments());
    r.set("Data", Formats::dateText(first));
    r.set("Ore", hh);
    r.set("Minuti", mm);
    r.set("Ora", hh + QLatin1Char(':') + mm);
    r.set("Avviso", QStringLiteral("0"));
    r.set(AppointmentField::Servizi, QStringLiteral("Contratto N. ") + Text::trim(c.number) +
                                         QStringLiteral(": ") + activities.join(QStringLiteral("; ")));
    r.set("Contatto", c.client);
    r.set("Tel", c.phone);
    r.set("Importo", QStringLiteral("0,00"));
    r.set(AppointmentField::Assolto, QStringLiteral("No"));
    return r;
}

Recurrence::Rule repetition(const QString &frequency, const QDate &first) {
    using Recurrence::weekdayBit;
    Recurrence::Rule rule{
        .first = first, .every = 1, .unit = Recurrence::Unit::Weeks, .until = first.addYears(1)};
    const QString f = Text::trim(frequency);
    if (f == QLatin1String("Giornaliera")) {
        for (int d = Qt::Monday; d <= Qt::Saturday; ++d)
            rule.weekdays |= weekdayBit(d);
    } else if (f == QLatin1String("Bisettimanale")) {
        rule.weekdays = weekdayBit(Qt::Monday) | weekdayBit(Qt::Thursday);
    } else if (f == QLatin1String("Mensile")) {
        rule.unit = Recurrence::Unit::Months;
    } else {
        rule.weekdays = weekdayBit(first.dayOfWeek()); // "Settimanale", and any other text
    }
    return rule;
}

} // namespace ContractVisits
