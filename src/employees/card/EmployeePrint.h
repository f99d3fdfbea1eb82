#pragma once
// The employee card report "Scheda Dipendente", filled from what the employee
// card holds (saved or not, a record of Archives::employees()) and the photo
// in its frame.
#include "core/records/RecordLayout.h"

#include <QImage>

class QWidget;
class ReportEngine;

namespace EmployeePrint {

// Loads the template, turns it to portrait, puts the photo and every value in;
// false when the template cannot be loaded or lacks an object.
bool fill(ReportEngine &engine, const Record &employee, const QImage &photo);
// Print through the print dialog / the preview window; false when it failed.
bool print(QWidget *parent, const Record &employee, const QImage &photo);
bool preview(QWidget *parent, const Record &employee, const QImage &photo);

} // namespace EmployeePrint
