#pragma once
// Fonts requested by their Windows names ("Courier New", "Arial", "Verdana"),
// falling back to metric-compatible fonts where those are missing.
#include <QFont>

namespace Fonts {
// Registers the fallbacks once (idempotent).
void install();
QFont font(const QString &family, int pointSize, bool bold = false);
} // namespace Fonts
