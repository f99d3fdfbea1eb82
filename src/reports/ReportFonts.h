#pragma once
// Fonts of the reports. Templates ask for the Windows families by name
// ("Courier New", "Arial", "Verdana"); where those are missing the
// metric-compatible families stand in, so fixed columns and box fits match.
#include "reports/ReportTemplate.h"

#include <QFont>

class QPaintDevice;

namespace ReportFonts {

// Registers the stand-ins (idempotent; called by everything that draws a report).
void install();
QFont font(const ReportFont &f);
// A 96 dpi device: font metrics measured on it are in report units.
const QPaintDevice *unitDevice();

} // namespace ReportFonts
