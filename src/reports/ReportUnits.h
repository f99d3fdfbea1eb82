#pragma once
// Report geometry is kept in report units of 1/96 inch (a screen pixel at
// 100 %), the unit in which heights are set at run time; templates give
// places in millimetres and font sizes in points.
namespace ReportUnits {

constexpr double perInch = 96.0;
constexpr double fromMm(double mm) { return mm * perInch / 25.4; }
constexpr double toMm(double units) { return units * 25.4 / perInch; }
constexpr double fromPoints(double pt) { return pt * perInch / 72.0; }

} // namespace ReportUnits
