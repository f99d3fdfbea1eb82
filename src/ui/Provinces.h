#pragma once
// The province codes offered by every province combo edit (client card,
// contract screen, privacy screen), in their fixed order.
#include <QStringList>

namespace Provinces {
const QStringList &codes(); // 112 two-letter codes
} // namespace Provinces
