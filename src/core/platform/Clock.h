#pragma once
// "Today" and "now" for the whole program; tests fix them.
#include <QDateTime>

namespace Clock {

QDateTime now();
QDate today();
// Fixes the clock at this moment (an invalid value restores the real clock).
void setFixed(const QDateTime &moment);

} // namespace Clock
