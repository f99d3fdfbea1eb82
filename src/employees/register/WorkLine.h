#pragma once
// The register line of an activity, the one every list of activities shows
// (the work register, the hours summary).
// Its screens: employees/register/Lavori_Svolti and RiepStraordinari.
#include "core/records/ResultLine.h"

namespace WorkLine {
// Attivita (46), Data (10), Luogo (28), Orario (26), TotOre.
LineFormat format();
} // namespace WorkLine
