#include "appointments/repetition/Recurrence.h"

#include "core/calendar/Holidays.h"
#include "core/text/Formats.h"

namespace Recurrence {

namespace {

// The regular date of the k-th step after the first (k from 1); for weeks,
// the dates come from walking the ticked days of every N-th week.
class Steps {
public:
    explicit Steps(const Rule &rule) : m_rule(rule) {
        m_monday = rule.first.addDays(1 - rule.first.dayOfWeek());
    }
    // The next regular date, or an invalid date when the rule gives none.
    QDate next(bool *lastDay) {
        *lastDay = false;
        const int every = std::max(1, m_rule.every);
        switch (m_rule.unit) {
        case Unit::Days:
            return m_rule.first.addDays(qint64(++m_step) * every);
        case Unit::Months: {
            const QDate d = m_rule.first.addMonths(++m_step * every); // a shorter month: its last day
            *lastDay = d.day() < m_rule.first.day();
            return d;
        }
        case Unit::Weeks:
            if ((m_rule.weekdays & 0x7F) == 0)
                return {};
            for (;;) {
                if (m_day == 7) {
                    m_day = 0;
                    m_week += every;
                }
                const int d = m_day++;
                if (!(m_rule.weekdays & (1u << d)))
                    continue;
                const QDate date = m_monday.addDays(qint64(m_week) * 7 + d);
                if (date > m_rule.first)
                    return date;
            }
        }
        return {};
    }

private:
    const Rule &m_rule;
    QDate m_monday;
    int m_step = 0;
    int m_week = 0, m_day = 0;
};

// The visit of the list on that day. A visit is moved a few days at most,
// so only the last ones of the list can share its day.
qsizetype sameDay(const QList<Visit> &list, const QDate &day) {
    for (qsizetype i = list.size() - 1; i >= 0 && list.at(i).regular.daysTo(day) <= 14; --i)
        if (list.at(i).date == day)
            return i;
    return -1;
}

QString dayText(const QDate &d) { return weekdayName(d) + QLatin1Char(' ') + Formats::dateText(d); }

QString movedText(const Visit &v) { return dayText(v.regular) + QStringLiteral(", festivo: ") + v.holiday; }

} // namespace

QList<Visit> visits(const Rule &rule, bool *cutShort) {
    if (cutShort)
        *cutShort = false;
    QList<Visit> list;
    if (!rule.first.isValid())
        return list;
    const bool byDate = rule.until.isValid();
    const int most = kMostVisits - 1; // after the first
    const int wanted = byDate ? most : std::min(rule.count, kMostVisits) - 1;
    Steps steps(rule);
    while (byDate || list.size() < wanted) {
        bool lastDay = false;
        const QDate regular = steps.next(&lastDay);
        if (!regular.isValid() || (byDate && regular > rule.until))
            break;
        if (list.size() == most) { // the end date asks for more than one append makes
            if (cutShort)
                *cutShort = true;
            break;
        }
        Visit v{regular, regular, Holidays::name(regular), lastDay, {}};
        if (rule.skipHolidays && !v.holiday.isEmpty())
            v.date = Holidays::nextWorkingDay(regular);
        if (byDate && v.date > rule.until)
            continue; // moved past the last day asked for
        if (const qsizetype same = sameDay(list, v.date); same >= 0) {
            if (v.moved()) { // the day is visited already
                list[same].standsFor << movedText(v);
                continue;
            }
            // A regular visit on the day a holiday visit was moved to.
            v.standsFor << movedText(list.at(same)) << list.at(same).standsFor;
            list.removeAt(same);
        }
        list.append(v);
    }
    return list;
}

QString weekdayName(const QDate &day) {
    static const char *const names[] = {"lun", "mar", "mer", "gio", "ven", "sab", "dom"};
    return day.isValid() ? QString::fromLatin1(names[day.dayOfWeek() - 1]) : QString();
}

QString lineText(const Visit &visit, const QString &time) {
    QString line = dayText(visit.date) + QLatin1Char(' ') + time;
    QStringList notes;
    if (visit.moved())
        notes << QStringLiteral("spostato da ") + movedText(visit);
    else if (!visit.holiday.isEmpty())
        notes << QStringLiteral("festivo: ") + visit.holiday;
    if (visit.lastDay)
        notes << QStringLiteral("ultimo giorno del mese");
    for (const QString &other : visit.standsFor)
        notes << QStringLiteral("vale anche per ") + other;
    if (!notes.isEmpty())
        line += QStringLiteral("  (") + notes.join(QStringLiteral("; ")) + QLatin1Char(')');
    return line;
}

} // namespace Recurrence
