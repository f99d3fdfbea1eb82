#include "employees/register/WorkLine.h"

#include "core/records/Archives.h"

namespace WorkLine {

LineFormat format() {
    // clang-format off
    return LineFormat(Archives::works())
        .field("Attivita", 46)
        .text(QStringLiteral("   Data: ")).field("Data", 10)
        .text(QStringLiteral("  Luogo: ")).field("Luogo", 28)
        .text(QStringLiteral("  Orario: ")).field("Orario", 26)
        .text(QStringLiteral("  Tot. ore: ")).field("TotOre");
    // clang-format on
}

} // namespace WorkLine
