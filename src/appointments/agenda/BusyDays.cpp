#include "appointments/agenda/BusyDays.h"

#include "core/records/Archives.h"
#include "core/records/RecordLayout.h"
#include "core/records/RecordScan.h"

namespace BusyDays {

Month::Month(int year, int month)
    : m_year(year), m_month(month), m_field(Archives::appointments().indexOf("Data")),
      m_mm(QByteArray::number(month).rightJustified(2, '0')),
      m_yyyy(QByteArray::number(year).rightJustified(4, '0')) {}

void Month::see(const char *record) {
    const QByteArrayView date = fieldBytes(Archives::appointments(), record, m_field);
    if (date.size() < 10 || date.sliced(3, 2) != m_mm || date.sliced(6, 4) != m_yyyy)
        return;
    const char d0 = date[0], d1 = date[1];
    if (d0 < '0' || d0 > '3' || d1 < '0' || d1 > '9')
        return;
    const int day = (d0 - '0') * 10 + (d1 - '0');
    if (day >= 1 && day <= 31)
        m_days |= quint32(1) << day;
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
