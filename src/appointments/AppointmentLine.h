#pragma once
// The result line of an appointment in the search and the status summaries.
#include "core/ResultLine.h"

namespace AppointmentLine {
LineFormat format();
} // namespace AppointmentLine

class Record;
// Writes an appointment into the long-lived appointment card, as the card's
// own navigation would show record number n.
void showAppointmentOnCard(const Record &record, qint64 number);
