#pragma once
// What the agenda and its grids read in an appointment record: the imminent
// rule, the unique code that orders appointments by date and time, and the
// agenda's list line. They work on a record's bytes as a scan hands them over.
// Its screens: appointments/agenda/Agenda and the grids of appointments/exports.
#include <QDate>
#include <QString>

class LineFormat;

namespace AgendaRules {

// Not fulfilled ("No") and date − days of notice ≤ today. A date or a notice
// that cannot be read makes the record not imminent, so one damaged record
// never hides the appointments after it.
bool isImminent(const char *record, const QDate &today);
// The date's year, month and day, then hours and minutes: "yyyymmddhhmm" for
// a complete record.
QString uniqueCode(const char *record);
const LineFormat &uniqueCodeFormat(); // the same code, for a grid to keep
// "ID: " + code + "  Data: " + date + "  Ora: " + time + "  " + client + "  Cel. " + mobile
// + "  " + services + "  € " + amount, every field but the amount at a fixed width.
QString agendaLine(const char *record);
// Where the mobile ends in an agenda line: what the list keeps in view.
int agendaMobileEnd();
const LineFormat &agendaLineFormat(); // the same line, for a list to keep

} // namespace AgendaRules
