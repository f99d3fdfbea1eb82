#pragma once
// The product's own addresses, used by the main menu, credits and information screens.
#include <QString>

namespace Product {
inline QString website() { return QStringLiteral("https://www.tersalia.it"); }
inline QString supportMail() { return QStringLiteral("assistenza@tersalia.it"); }
} // namespace Product
