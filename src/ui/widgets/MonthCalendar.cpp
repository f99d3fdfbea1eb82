#include "ui/widgets/MonthCalendar.h"

#include "core/platform/Clock.h"
#include "core/calendar/Holidays.h"

#include <QLocale>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget *parent, const char *name) : QCalendarWidget(parent) {
    setObjectName(QLatin1String(name));
    setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    setFirstDayOfWeek(Qt::Monday);
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setSelectedDate(Clock::today());
    // Connected first, so an owner's own reaction to the turn comes after.
    connect(this, &QCalendarWidget::currentPageChanged, this, [this] { markPage(); });
    markPage();
}

void MonthCalendar::setBoldDays(const QList<QDate> &days) {
    m_bold = days;
    markPage();
}

// The page shows the days of the month around it too.
void MonthCalendar::markPage() {
    setDateTextFormat(QDate(), QTextCharFormat());
    const QDate month(yearShown(), monthShown(), 1);
    const QBrush sunday = weekdayTextFormat(Qt::Sunday).foreground();
    for (QDate d = month.addMonths(-1); d < month.addMonths(2); d = d.addDays(1)) {
        const QString holiday = Holidays::name(d);
        if (holiday.isEmpty())
            continue;
        QTextCharFormat f;
        f.setForeground(sunday);
        f.setToolTip(holiday);
        setDateTextFormat(d, f);
    }
    for (const QDate &d : m_bold) {
        QTextCharFormat f = dateTextFormat(d);
        f.setFontWeight(QFont::Bold);
        setDateTextFormat(d, f);
    }
}
