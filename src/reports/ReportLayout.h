#pragma once
// Lays a filled template out on pages.
//
// A page without bands is one sheet with its objects. A page with bands
// flows them down the printable area: the report title, then every data band
// (once, or once per row), then the summary; page headers and footers repeat
// on every sheet. A data band that does not fit moves to the next sheet or,
// when it may split, is cut between two memo lines and continues there.
#include "reports/PreparedReport.h"

namespace ReportLayout {

PreparedReport prepare(const ReportTemplate &report);

// Line metrics of a memo as the layout uses them (wrapped lines, pitch, ascent).
PreparedObject measure(const ReportObject &memo);

} // namespace ReportLayout
