#pragma once
// The appointment card report "Scheda Appuntamento", filled from what the
// appointment card holds (saved or not): a record of Archives::appointments().
// Its screens: appointments/card/StampaScadenza and Startup.
#include "core/records/RecordLayout.h"

class ReportEngine;

namespace AppointmentPrint {

// Loads the template, turns it to portrait and fills every object; false when
// the template cannot be loaded or lacks an object. The card's print and
// preview screens (StampaScadenza, Startup) send it out.
bool fill(ReportEngine &engine, const Record &appointment);

} // namespace AppointmentPrint
