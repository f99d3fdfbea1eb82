#pragma once
// The 112 province codes offered by every province combo edit (client card,
// contract screen, privacy screen), in list order.
#include <QStringList>

namespace Provinces {
QStringList codes();
} // namespace Provinces
