#include "appointments/summaries/AppointmentLine.h"

#include "core/records/Archives.h"

namespace AppointmentLine {

LineFormat format() {
    // clang-format off
    return LineFormat(Archives::appointments())
        .text(QStringLiteral("Data: ")).field("Data", 10)
        .text(QStringLiteral("  Ora: ")).field("Ora", 5)
        .text(QStringLiteral("  ")).field("Causale", 42)
        .text(QStringLiteral("  Cliente: ")).field("Contatto", 30)
        .text(QStringLiteral("  Cel. ")).field("Cel", 14)
        .text(QStringLiteral("  Importo: € ")).field("Importo");
    // clang-format on
}

} // namespace AppointmentLine
