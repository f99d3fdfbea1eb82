#include "appointments/AgendaRules.h"

#include "core/Archives.h"
#include "core/Formats.h"
#include "core/ResultLine.h"

namespace AgendaRules {
namespace {

struct Fields {
    int data, ore, minuti, avviso, ottemperata;
};

const Fields &fields() {
    static const Fields f = [] {
        const RecordLayout &l = Archives::appointments();
        return Fields{l.indexOf("Data"), l.indexOf("Ore"), l.indexOf("Minuti"), l.indexOf("Avviso"),
                      l.indexOf("Ottemperata")};
    }();
    return f;
}

QString get(const char *record, int field) { return decodeField(Archives::appointments(), record, field); }

const LineFormat &lineAfterCode() {
    static const LineFormat format = LineFormat(Archives::appointments())
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

} // namespace

bool isImminent(const char *record, const QDate &today) {
    if (get(record, fields().ottemperata) != QLatin1String("No"))
        return false;
    const QDate date = Formats::parseDate(get(record, fields().data));
    bool ok = false;
    const int notice = get(record, fields().avviso).toInt(&ok);
    if (!date.isValid() || !ok)
        return false;
    return date.addDays(-notice) <= today;
}

QString uniqueCode(const char *record) {
    const QString date = get(record, fields().data);
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2) + get(record, fields().ore) +
           get(record, fields().minuti);
}

QString agendaLine(const char *record) {
    return QStringLiteral("ID: ") + uniqueCode(record) + lineAfterCode().build(record);
}

} // namespace AgendaRules
