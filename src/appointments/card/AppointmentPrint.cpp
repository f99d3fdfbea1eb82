#include "appointments/card/AppointmentPrint.h"

#include "core/platform/Clock.h"
#include "core/records/Flags.h"
#include "core/text/Formats.h"
#include "reports/ReportEngine.h"

namespace AppointmentPrint {

bool fill(ReportEngine &engine, const Record &a) {
    if (!engine.load(QStringLiteral(":/reports/SchedaAppuntamento.json")))
        return false;
    engine.setOrientation(QPageLayout::Portrait);
    const QDateTime now = Clock::now();
    const struct {
        const char *object;
        QString text;
    } values[] = {
        {"titArcataSup", QStringLiteral("SCHEDA APPUNTAMENTO")},
        {"txtData", a.get("Data")},
        {"txtOra", a.get("Ore") + QLatin1Char(':') + a.get("Minuti")},
        {"txtTipologia", a.get("Tipologia")},
        {"txtCausale", a.get("Causale")},
        {"txtDettagli", a.get("Dettagli")},
        {"txtContatto", a.get("Contatto")},
        {"txtTel", a.get("Tel")},
        {"txtCel", a.get("Cel")},
        {"txtEmail", a.get("Email")},
        {"txtLuogo", a.get("Luogo")},
        {"txtImporto", a.get("Importo")},
        {"txtNote", a.get("Note")},
        {"txtOttemperata", Flags::read(a.get("Ottemperata")) == Flags::YesNo::Yes ? QStringLiteral("Sì")
                                                                                  : QStringLiteral("No")},
        {"txtCalce", QStringLiteral("Stampa eseguita in data ") + Formats::dateText(now.date()) +
                         QStringLiteral(" alle ore ") + Formats::longTimeText(now.time())},
    };
    for (const auto &v : values)
        if (!engine.setText(QLatin1String(v.object), v.text))
            return false;
    return true;
}

} // namespace AppointmentPrint
