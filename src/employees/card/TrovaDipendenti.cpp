#include "employees/card/TrovaDipendenti.h"

#include "core/records/Archives.h"

LineFormat TfrmTrovaDipendenti::lineFormat() {
    // clang-format off
    return LineFormat(Archives::employees())
        .field("Dipendente", 26)
        .text(QStringLiteral("  Cel. ")).field("Cel", 14)
        .text(QStringLiteral("  Qual. ")).field("Qualifica", 24)
        .text(QStringLiteral("  Rep. ")).field("Reparto", 24)
        .text(QStringLiteral("  Disp. ")).field("Disponibilita");
    // clang-format on
}

TfrmTrovaDipendenti::TfrmTrovaDipendenti(QWidget *parent)
    : SearchScreen(parent, SearchSpec{
                               .caption = QStringLiteral(" Trova dipendenti in archivio"),
                               .layout = &Archives::employees(),
                               .criteria = {{"txtDipendente", "Cognome e nome:", "Dipendente"},
                                            {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "DataNasc"},
                                            {"txtCittadinanza", "Cittadinanza:", "Cittadinanza"},
                                            {"txtLuogoNasc", "Luogo di nascita:", "LuogoNasc"},
                                            {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                                            {"txtDisponibilita", "Disponibilità:", "Disponibilita"},
                                            {"txtQualifica", "Qualifica:", "Qualifica"},
                                            {"txtReparto", "Reparto:", "Reparto"},
                                            {"txtMansioni", "Mansioni:", "Mansioni"},
                                            {"txtNote", "Note:", "Note"}},
                               .line = lineFormat(),
                               .order = LineOrder::SortedAZ,
                               .ending = QStringLiteral(" schede"),
                               .reportTitle = QStringLiteral("Riepilogo schede dipendenti in archivio"),
                               .bannerTitle = QStringLiteral("Trova dipendenti"),
                           }) {
    setObjectName(QStringLiteral("frmTrovaDipendenti"));
}
