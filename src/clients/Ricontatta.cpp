#include "clients/Ricontatta.h"

#include "core/records/Archives.h"
#include "core/records/Flags.h"

TfrmRicontatta::TfrmRicontatta(QWidget *parent)
    : SummaryScreen(parent, SummarySpec{.caption = QStringLiteral(" Riepilogo clienti da ricontattare"),
                                        .bannerTitle = QStringLiteral("CLIENTI DA RICONTATTARE"),
                                        .layout = &Archives::clients(),
                                        .line = line(),
                                        .order = LineOrder::SortedAZ,
                                        .reportTitle = QStringLiteral("Riepilogo clienti da ricontattare"),
                                        .doubleClickHint = QStringLiteral(
                                            "Fare doppio clic su una voce in elenco per richiamare "
                                            "la scheda")}) {
    setObjectName(QStringLiteral("frmRicontatta"));
}

LineFormat TfrmRicontatta::line() {
    // clang-format off
    return LineFormat(Archives::clients())
        .field("Cliente", 26)
        .text(QStringLiteral("  Tel. ")).field("Recapito", 15)
        .text(QStringLiteral("  ")).field("Occupazione", 25)
        .text(QStringLiteral("  Prod. ")).field("Prodotti", 30)
        .text(QStringLiteral("  ")).field("Questioni");
    // clang-format on
}

// Only the exact flag "Sì" lists a client.
bool TfrmRicontatta::selects(const char *record) const {
    static const int flag = Archives::clients().indexOf("Ricontatta");
    return Flags::read(fieldBytes(Archives::clients(), record, flag)) == Flags::YesNo::Yes;
}
