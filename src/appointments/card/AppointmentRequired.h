#pragma once
// What the appointment card's Salva asks before an appointment is stored: the
// required fields in order, each with its warning. Every other way of storing
// appointments (the visits planned from a contract) asks the same.
#include "ui/card/CardScreen.h"

#include <QList>

namespace AppointmentRequired {

const QList<RequiredField> &fields();
// The record field a required control edits: its name without "txt".
inline const char *recordField(const char *control) { return control + 3; }

} // namespace AppointmentRequired
