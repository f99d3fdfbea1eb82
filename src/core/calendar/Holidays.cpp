#include "core/calendar/Holidays.h"

namespace Holidays {

// The Gregorian computus (Meeus/Jones/Butcher).
QDate easterSunday(int year) {
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QString name(const QDate &day) {
    if (!day.isValid())
        return {};
    static const struct {
        int month, day;
        const char *name;
    } fixed[] = {{1, 1, "Capodanno"},
                 {1, 6, "Epifania"},
                 {4, 25, "Festa della Liberazione"},
                 {5, 1, "Festa del Lavoro"},
                 {6, 2, "Festa della Repubblica"},
                 {8, 15, "Ferragosto"},
                 {11, 1, "Ognissanti"},
                 {12, 8, "Immacolata Concezione"},
                 {12, 25, "Natale"},
                 {12, 26, "Santo Stefano"}};
    for (const auto &f : fixed)
        if (day.month() == f.month && day.day() == f.day)
            return QString::fromUtf8(f.name);
    if (day == easterSunday(day.year()).addDays(1))
        return QStringLiteral("Lunedì dell'Angelo");
    return {};
}

bool isWorkingDay(const QDate &day) { return day.dayOfWeek() != Qt::Sunday && name(day).isEmpty(); }

QDate nextWorkingDay(const QDate &day) {
    QDate next = day.addDays(1);
    while (!isWorkingDay(next))
        next = next.addDays(1);
    return next;
}

} // namespace Holidays
