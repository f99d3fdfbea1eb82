#pragma once
// The result line of an appointment in the search and the status summaries.
// Its screens: the status summaries (AppointmentSummary) and TrovaScadenze.
#include "core/records/ResultLine.h"

namespace AppointmentLine {
LineFormat format();
} // namespace AppointmentLine
