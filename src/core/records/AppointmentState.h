#pragma once
// The state of an appointment, one rule for every screen that tells it: the
// status summaries ("Assolti", "Scaduti"), the week planner's colours and the
// year's overview.
#include "core/records/Flags.h"

#include <QDate>

// In this order: the planner's colours are a table of it.
enum class AppointmentState {
    ToFulfil,  // neither of the others
    Fulfilled, // flag "Sì", whatever the date
    Overdue,   // flag "No" and a date before today (a date that cannot be read is none)
};

namespace Appointments {

// A flag that is neither "Sì" nor "No" is to fulfil: nothing says the
// appointment was fulfilled, and only a "No" makes it overdue (the overdue
// summary lists the flag "No" alone), so it is never shown as done nor late.
AppointmentState state(Flags::YesNo fulfilled, const QDate &date, const QDate &today);
// The same from an appointment record's bytes (Archives::appointments()): its
// date is read only for a flag "No", as a summary asks this of every record.
AppointmentState state(const char *record, const QDate &today);
// The record's fulfilled flag ("Ottemperata").
Flags::YesNo fulfilledFlag(const char *record);

} // namespace Appointments
