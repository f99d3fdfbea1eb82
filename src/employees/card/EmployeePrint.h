#pragma once
// The employee card report "Scheda Dipendente", filled from what the employee
// card holds (saved or not, a record of Archives::employees()) and the photo
// in its frame.
// Its screens: employees/card/StampaDipendenti and AnteprimaDipendenti.
#include "core/records/RecordLayout.h"

#include <QImage>

class ReportEngine;

namespace EmployeePrint {

// Loads the template, turns it to portrait, puts the photo and every value in;
// false when the template cannot be loaded or lacks an object. The card's
// print and preview screens (StampaDipendenti, AnteprimaDipendenti) send it out.
bool fill(ReportEngine &engine, const Record &employee, const QImage &photo);
// What their warnings add when the card could not be printed or shown: a
// large photo is the likely cause.
QString smallerPhotoAdvice();

} // namespace EmployeePrint
