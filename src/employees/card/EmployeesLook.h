#pragma once
// The colour of the employees module's bands and titles, the employee card's.
#include <QColor>

namespace EmployeesLook {
inline QColor band() { return QColor(46, 112, 180); }
} // namespace EmployeesLook
