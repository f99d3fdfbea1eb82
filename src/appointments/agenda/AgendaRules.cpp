#include "appointments/agenda/AgendaRules.h"

#include "core/records/AppointmentState.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"
#include "core/records/ResultLine.h"

namespace AgendaRules {
namespace {

struct Fields {
    int data, ore, minuti, avviso;
};

const Fields &fields() {
    static const Fields f = [] {
        const RecordLayout &l = Archives::appointments();
        return Fields{l.indexOf("Data"), l.indexOf("Ore"), l.indexOf("Minuti"), l.indexOf("Avviso")};
    }();
    return f;
}

QByteArrayView bytes(const char *record, int field) {
    return fieldBytes(Archives::appointments(), record, field);
}

// The code is the date's year, month and day, then hours and minutes.
LineFormat withCode(LineFormat format) {
    format.part("Data", 6, 4).part("Data", 3, 2).part("Data", 0, 2).field("Ore").field("Minuti");
    return format;
}

} // namespace

const LineFormat &uniqueCodeFormat() {
    static const LineFormat format = withCode(LineFormat(Archives::appointments()));
    return format;
}

const LineFormat &agendaLineFormat() {
    static const LineFormat format =
        withCode(LineFormat(Archives::appointments()).text(QStringLiteral("ID: ")))
            .text(QStringLiteral("  Data: "))
            .field("Data", 10)
            .text(QStringLiteral("  Ora: "))
            .field("Ora", 5)
            .text(QStringLiteral("  "))
            .field("Contatto", 30)
            .text(QStringLiteral("  Cel. "))
            .field("Cel", 14)
            .text(QStringLiteral("  "))
            .field("Causale", 42)
            .text(QStringLiteral("  \u20ac "))
            .field("Importo");
    return format;
}

bool isImminent(const char *record, const QDate &today) {
    // Read on the bytes: the agenda asks this of every record of the archive.
    if (Appointments::fulfilledFlag(record) != Flags::YesNo::No)
        return false;
    const QDate date = Formats::parseDate(bytes(record, fields().data));
    bool ok = false;
    const int notice = Formats::parseInt(bytes(record, fields().avviso), &ok);
    if (!date.isValid() || !ok)
        return false;
    return date.toJulianDay() - notice <= today.toJulianDay();
}

QString uniqueCode(const char *record) { return uniqueCodeFormat().build(record); }

QString agendaLine(const char *record) { return agendaLineFormat().build(record); }

int agendaMobileEnd() {
    const Record empty(Archives::appointments());
    const QString line = agendaLine(empty.bytes().constData());
    const QString mobile = QStringLiteral("  Cel. ");
    return int(line.indexOf(mobile) + mobile.size()) + 14; // the mobile's column
}

} // namespace AgendaRules
