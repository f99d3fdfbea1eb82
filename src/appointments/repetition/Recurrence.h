#pragma once
// The dates of a repeated appointment: from its first date, every N days,
// weeks (on the weekdays ticked) or months, up to a date or for a number of
// visits in all. Each visit follows the previous one's regular date, so a
// visit moved off a holiday does not move the ones after it.
// Its screen: appointments/repetition/Ripetizione.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Recurrence {

enum class Unit { Days, Weeks, Months };

// Weekday bits for Rule::weekdays, Monday first (Qt's dayOfWeek - 1).
constexpr unsigned weekdayBit(int dayOfWeek) { return 1u << (dayOfWeek - 1); }

struct Rule {
    QDate first; // the appointment's own date
    int every = 1;
    Unit unit = Unit::Weeks;
    unsigned weekdays = 0; // weeks only
    QDate until;           // the last day a visit may fall on; when not valid, `count` ends the list
    int count = 0;         // visits in all, the first included
    bool skipHolidays = false;
};

struct Visit {
    QDate regular;        // the date the rule gives
    QDate date;           // the appointment's date: the next working day when a holiday is skipped
    QString holiday;      // the holiday falling on the regular date
    bool lastDay = false; // a monthly date cut to the last day of a shorter month
    // Holiday visits moved onto this one's day, which it stands for: one
    // visit a day ("ven 25/12/2026, festivo: Natale").
    QStringList standsFor;
    bool moved() const { return date != regular; }
};

// At most this many appointments in all, the first included: one append.
constexpr int kMostVisits = 500;

// The visits after the first, in order of their regular dates, one a day: a
// holiday visit moved onto a day the series already visits is that visit,
// and one moved past the end date is left out. An end date that would give
// more than kMostVisits in all stops the list there and sets `cutShort`.
QList<Visit> visits(const Rule &rule, bool *cutShort = nullptr);

QString weekdayName(const QDate &day); // "lun" ... "dom"
// "mar 06/01/2026 09:30", with what the user must know about the day:
// a holiday named, a visit moved off it, a month's last day.
QString lineText(const Visit &visit, const QString &time);

} // namespace Recurrence
