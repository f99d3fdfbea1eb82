#pragma once
// The Italian public holidays: the fixed dates of the civil calendar and
// Easter Monday, computed for any Gregorian year.
#include <QDate>
#include <QString>

namespace Holidays {

QDate easterSunday(int year);
// The holiday's name ("Epifania", "Lunedì dell'Angelo"...), empty on any other day.
QString name(const QDate &day);
// Monday to Saturday and not a holiday.
bool isWorkingDay(const QDate &day);
// The first working day after `day`.
QDate nextWorkingDay(const QDate &day);

} // namespace Holidays
