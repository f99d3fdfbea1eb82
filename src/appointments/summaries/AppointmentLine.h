#pragma once
// The result line of an appointment in the search and the status summaries.
#include "core/records/ResultLine.h"

namespace AppointmentLine {
LineFormat format();
} // namespace AppointmentLine
