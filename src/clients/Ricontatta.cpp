#include "clients/Ricontatta.h"

#include "core/Archives.h"

TfrmRicontatta::TfrmRicontatta(QWidget *parent)
    : SummaryScreen(parent,
                    SummarySpec{QStringLiteral(" Riepilogo clienti da ricontattare"),
                                QStringLiteral("CLIENTI DA RICONTATTARE"), &Archives::clients(), line(), true,
                                QStringLiteral("Riepilogo clienti da ricontattare"),
                                QStringLiteral("Fare doppio clic su una voce in elenco per richiamare "
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
    return fieldBytes(Archives::clients(), record, flag) == QByteArrayView("S\xEC"); // "Sì" in Windows-1252
}
