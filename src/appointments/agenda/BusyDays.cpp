#include "appointments/agenda/BusyDays.h"

#include "core/records/Archives.h"
#include "core/records/RecordLayout.h"
#include "core/records/RecordScan.h"
#include "core/text/Formats.h"

namespace BusyDays {

Month::Month(int year, int month)
    : m_year(year), m_month(month), m_field(Archives::appointments().indexOf("Data")) {}

void Month::see(const char *record) {
    const QDate date = Formats::parseDate(fieldBytes(Archives::appointments(), record, m_field));
    if (date.isValid() && date.year() == m_year && date.month() == m_month)
        m_days |= quint32(1) << date.day();
}

quint32 inMonth(const QString &path, int year, int month) {
    Month m(year, month);
    RecordScan::forEach(path, Archives::appointments(), [&m](const char *record, qint64) {
        m.see(record);
        return true;
    });
    return m.days();
}

} // namespace BusyDays
