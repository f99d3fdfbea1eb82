#pragma once
// The week planner's week on screen: the seven day headings over a scrolling
// sheet with the hours down the side in half-hour rows, the early strip above
// 06:00, the late strip below 22:00 and every block drawn at its place. The
// sheet is painted, not made of widgets, so a busy week shows at once; the
// mouse over a block and a double-click on it are told to the screen.
// Its screen: appointments/planning/Planning.
#include "appointments/planning/PlanningWeek.h"

#include <QScrollArea>
#include <QWidget>

class QLabel;

namespace PlanningLook {
QColor fill(Planning::State state);
QColor border(Planning::State state);
QColor text(Planning::State state);
// "lun 09/03" ... "dom 15/03", the heading of a day.
QString dayHeading(const QDate &day);
// A heading's colour: today's red (on screen), a day off (Saturday, Sunday or
// a public holiday) greyed, any other day dark blue.
QColor headingFill(const QDate &day, bool today);
// What a block's hint tells: client, time, phone, mobile, details and notes.
QString hint(const Planning::Appointment &a);
} // namespace PlanningLook

// The sheet under the headings: hours, strips and blocks.
class PlanningSheet : public QWidget {
    Q_OBJECT
public:
    explicit PlanningSheet(QWidget *parent = nullptr);
    void setWeek(const Planning::Week *week, const QList<Planning::Block> &blocks);

    static constexpr int hourColumn = 56;
    static constexpr int rowHeight = 28;
    static constexpr int stripLine = 20;

    // Where a day's column and a block lie, in the sheet's coordinates.
    QRect dayColumn(int day) const;
    QRect blockRect(const Planning::Block &b) const;
    // The top of the half-hour row (0 is 06:00).
    int rowTop(int row) const;
    // The block under a point, -1 for none (an index in the blocks shown).
    int blockAt(const QPoint &pos) const;
    const QList<Planning::Block> &blocks() const { return m_blocks; }
    QSize sizeHint() const override;

    // The part of the sheet in view (from the scroll area): a day's visits
    // above or below it are marked at its edges with their count.
    void setBand(int top, int bottom);
    int hiddenAbove(int day) const;
    int hiddenBelow(int day) const;
    // A block's time is drawn whole: across the block, or along it when the
    // block is too narrow (six visits at one hour share a day's width).
    bool timeWhole(int block) const;

signals:
    void hovered(int appointment); // -1: no block under the mouse
    void chosen(int appointment);  // double-clicked

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *) override;

private:
    int stripHeight(Planning::Place place) const;
    int gridTop() const { return stripHeight(Planning::Place::Early); }
    void paintBlock(QPainter &p, const Planning::Block &b, bool hot) const;
    void paintHidden(QPainter &p) const;
    // Where a grid block's lines go: inside its frame, past the coloured edge.
    QRect blockInside(const Planning::Block &b) const;

    const Planning::Week *m_week = nullptr;
    QList<Planning::Block> m_blocks;
    int m_early = 0, m_late = 0; // lines of the two strips
    int m_hot = -1;
    int m_bandTop = 0, m_bandBottom = -1; // -1: all in view
};

// The day headings: weekday and date over each column, today marked.
class PlanningDays : public QWidget {
    Q_OBJECT
public:
    explicit PlanningDays(QWidget *parent = nullptr);
    void setWeek(const QDate &monday, const QDate &today);
    void setRightMargin(int pixels);
    QStringList headings() const;
    QSize sizeHint() const override { return {7 * 100 + PlanningSheet::hourColumn, 34}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QDate m_monday, m_today;
    int m_right = 0;
};

// Headings and sheet together; the early and late hours scroll, and the
// view never opens a week below its earliest visit.
class PlanningView : public QWidget {
    Q_OBJECT
public:
    explicit PlanningView(QWidget *parent = nullptr);
    void showWeek(const Planning::Week &week, const QList<Planning::Block> &blocks, const QDate &today);
    // Scrolls so that this hour is at the top of the view.
    void scrollToHour(int hour);
    // Scrolls up to the week's earliest block when it lies above the part in
    // view, so a visit before the morning (or in the early strip) is seen.
    void revealEarliest();
    // Tells the sheet the part of it in view.
    void markHidden();

    PlanningDays *days;
    QScrollArea *scrOre;
    PlanningSheet *sheet;

protected:
    void resizeEvent(QResizeEvent *e) override;
};
