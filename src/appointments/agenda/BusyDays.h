#pragma once
// The days of a month on which the appointment archive holds appointments,
// fulfilled or not, so the agenda's calendar can show them at a glance. A
// record's day is its date as the lists read it (Formats::parseDate): a date
// that cannot be read makes no day busy.
// Its screen: appointments/agenda/Agenda.
#include <QString>
#include <QtGlobal>

namespace BusyDays {

// Collects the busy days of one month from the records a scan hands over, so
// a scan made for another purpose (the agenda's list) can collect them too.
class Month {
public:
    Month(int year, int month);
    void see(const char *record);
    // Bit d (1 to 31) is set for each busy day.
    quint32 days() const { return m_days; }
    int year() const { return m_year; }
    int month() const { return m_month; }

private:
    int m_year, m_month, m_field;
    quint32 m_days = 0;
};

// The busy days of month/year in the archive, from one scan that reads only
// each record's date; an archive that cannot be read gives the days read so far.
quint32 inMonth(const QString &path, int year, int month);

} // namespace BusyDays
