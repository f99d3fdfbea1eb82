#include "appointments/AppointmentLine.h"

#include "appointments/Archivio_Scadenze.h"
#include "core/Archives.h"
#include "core/CardScreen.h"
#include "shell/Application.h"

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

void showAppointmentOnCard(const Record &record, qint64 number) {
    TfrmArchivio_Scadenze *card = Tersalia::screens().scadenze;
    if (!card)
        return;
    card->card()->fill(record);
    card->card()->setPosition(number);
}
