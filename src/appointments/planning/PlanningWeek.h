#pragma once
// One week of the appointment archive laid out for the week planner, as
// plain data the screen and the printed week both draw: every appointment of
// the week as a block in its day's column at its time, one hour tall, side by
// side with those it overlaps, in the colour of its state; times before 06:00
// or from 22:00 on (and a time that cannot be read) in a strip at the top or
// the bottom of the day.
// Its screen: appointments/planning/Planning.
#include "core/records/AppointmentState.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Planning {

constexpr int firstHour = 6; // the grid's first half-hour row starts at 06:00
constexpr int lastHour = 22; // and its last one ends at 22:00
constexpr int rowMinutes = 30;
constexpr int rows = (lastHour - firstHour) * 60 / rowMinutes;
constexpr int blockMinutes = 60; // an appointment has no end time: one hour

using State = AppointmentState; // the one rule of core/records/AppointmentState
enum class Place { Grid, Early, Late };

// What the planner shows of one appointment of the week.
struct Appointment {
    qint64 number = 0; // record number, so a block leads to exactly its record
    QDate date;
    int minute = -1; // minutes after midnight; -1: no time that can be read
    QString time;    // "hh:mm", or the stored time text when it cannot be read
    QString client, services, operatorName, phone, mobile, details, notes;
    State state = State::ToFulfil;
};

// Where one appointment goes.
struct Block {
    int appointment = 0; // index in Week::appointments()
    int day = 0;         // 0 Monday ... 6 Sunday
    Place place = Place::Grid;
    int row = 0;    // Grid: the half-hour row it starts in (0 is 06:00)
    int offset = 0; // Grid: minutes after 06:00
    int lane = 0;   // Grid: its lane among the overlapping ones, from the left
    int lanes = 1;  // Grid: how many lanes its group of overlapping blocks takes
    int line = 0;   // Early / Late: its line in the strip, in time order
};

class Week {
public:
    // The week holding day (Monday to Sunday), from one scan of the archive
    // at path; today decides which unfulfilled appointments are overdue.
    // An archive that cannot be read to its end keeps what was read.
    static Week read(const QString &path, const QDate &day, const QDate &today);

    static QDate mondayOf(const QDate &day);

    QDate monday() const { return m_monday; }
    bool readWhole() const { return m_readWhole; }
    // The week's appointments in file order.
    const QList<Appointment> &appointments() const { return m_appointments; }
    // Every operator named in the archive, once (a-z case aside), sorted as
    // the lists are.
    const QStringList &operators() const { return m_operators; }

    // The blocks of the appointments of one operator (a-z case aside), or of
    // all when operatorName is empty.
    QList<Block> blocks(const QString &operatorName = {}) const;

private:
    QDate m_monday;
    bool m_readWhole = true;
    QList<Appointment> m_appointments;
    QStringList m_operators;
};

// The most lines a strip of blocks takes in any day (Early or Late).
int stripLines(const QList<Block> &blocks, Place place);

} // namespace Planning
