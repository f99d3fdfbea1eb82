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
// Font metrics are taken on a device measureScale times finer than report
// units: there the rounding of font sizes to whole pixels no longer shows.
// Divide what it measures by measureScale to get report units.
constexpr double measureScale = 16;
const QPaintDevice *measureDevice();

} // namespace ReportFonts
