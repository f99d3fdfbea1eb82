#pragma once
// What the appointment card's Salva asks before an appointment is stored: the
// required fields in order, each with its warning. The card takes its rows'
// warnings from here, and every other way of storing appointments (the visits
// planned from a contract) asks the same.
#include <QList>
#include <QString>

namespace AppointmentRequired {

struct Field {
    const char *control; // the card's control
    QString warning;     // shown when it is left empty
};

const QList<Field> &fields();
// The warning of a control, empty when it is not required; its place among
// the required fields (0 for one that is not).
QString warningFor(const char *control);
int orderOf(const char *control);
// The record field a required control edits: its name without "txt".
inline const char *recordField(const char *control) { return control + 3; }

} // namespace AppointmentRequired
