#include "contracts/card/ContractVisits.h"

#include "core/calendar/Holidays.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/Archives.h"
#include "core/records/RecordScan.h"
#include "core/records/FieldAliases.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"

#include <QFileInfo>
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

QString clientMobile(const Contract &c) {
    const QString path = ProgramFolder::file(Archives::clients().fileName());
    if (!QFileInfo(path).isFile()) // only read: a missing archive is not created
        return {};
    const RecordLayout &layout = Archives::clients();
    const int vat = layout.indexOf("PartitaIva"), taxCode = layout.indexOf("CodFisc"),
              name = layout.indexOf("Cliente"), mobile = layout.indexOf("TelCel");
    const QString wantedVat = Text::trim(c.vat), wantedCode = Text::trim(c.taxCode),
                  wantedName = Text::trim(c.client);
    const auto same = [](const QString &a, const QString &b) {
        return !b.isEmpty() && Text::compareNoCaseAZ(a, b) == 0;
    };
    // The best match so far: 3 by VAT number, 2 by tax code, 1 by name.
    int best = 0;
    QString found;
    RecordScan::forEach(path, layout, [&](const char *record, qint64) {
        const int match = same(decodeField(layout, record, vat), wantedVat)        ? 3
                          : same(decodeField(layout, record, taxCode), wantedCode) ? 2
                          : same(decodeField(layout, record, name), wantedName)    ? 1
                                                                                   : 0;
        if (match > 0 && match >= best) {
            best = match;
            found = decodeField(layout, record, mobile);
        }
        return true;
    });
    return found;
}

QDate firstVisit(const Contract &c, const QDate &today) {
    const QDate signing = Formats::parseDate(Text::trim(c.date));
    QDate first = signing.isValid() && signing > today ? signing : today;
    if (!Holidays::isWorkingDay(first))
        first = Holidays::nextWorkingDay(first);
    return first;
}

Record appointment(const Contract &c, const QDate &today) {
    const QDate first = firstVisit(c, today);
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
    r.set("Cel", clientMobile(c));
    r.set("Importo", QStringLiteral("0,00"));
    r.set(AppointmentField::Assolto, QStringLiteral("No"));
    return r;
}

Recurrence::Rule repetition(const QString &frequency, const QDate &first) {
    using Recurrence::weekdayBit;
    Recurrence::Rule rule{.first = first,
                          .every = 1,
                          .unit = Recurrence::Unit::Weeks,
                          .until = first.addYears(1),
                          .skipHolidays = true};
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
