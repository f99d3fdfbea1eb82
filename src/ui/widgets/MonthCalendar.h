#pragma once
// The program's month calendar: Italian names, weeks from Monday, a grid, no
// week numbers, on today's date, and the public holidays in Sunday's colour
// (their names as the day's tooltip). The date-import screen, the agenda and
// the week planner show it.
#include <QCalendarWidget>
#include <QList>

class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    MonthCalendar(QWidget *parent, const char *name);

    // Days drawn in bold (the agenda's busy days), holidays keeping their colour.
    void setBoldDays(const QList<QDate> &days);

private:
    void markPage();
    QList<QDate> m_bold;
};
