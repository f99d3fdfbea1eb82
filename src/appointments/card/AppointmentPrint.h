#pragma once
// The appointment card report "Scheda Appuntamento", filled from what the
// appointment card holds (saved or not): a record of Archives::appointments().
#include "core/records/RecordLayout.h"

class QWidget;
class ReportEngine;

namespace AppointmentPrint {

// Loads the template, turns it to portrait and fills every object; false when
// the template cannot be loaded or lacks an object.
bool fill(ReportEngine &engine, const Record &appointment);

// Print through the print dialog; false when printing failed.
bool print(QWidget *parent, const Record &appointment);
// The preview window.
bool preview(QWidget *parent, const Record &appointment);

} // namespace AppointmentPrint
