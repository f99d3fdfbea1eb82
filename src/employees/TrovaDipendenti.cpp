#include "employees/TrovaDipendenti.h"

#include "core/Archives.h"

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
                               QStringLiteral(" Trova dipendenti in archivio"),
                               &Archives::employees(),
                               {{"txtDipendente", "Cognome e nome:", "Dipendente"},
                                {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "DataNasc"},
                                {"txtCittadinanza", "Cittadinanza:", "Cittadinanza"},
                                {"txtLuogoNasc", "Luogo di nascita:", "LuogoNasc"},
                                {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                                {"txtDisponibilita", "Disponibilità:", "Disponibilita"},
                                {"txtQualifica", "Qualifica:", "Qualifica"},
                                {"txtReparto", "Reparto:", "Reparto"},
                                {"txtMansioni", "Mansioni:", "Mansioni"},
                                {"txtNote", "Note:", "Note"}},
                               lineFormat(),
                               true,
                               QStringLiteral(" schede"),
                               QStringLiteral("Riepilogo schede dipendenti in archivio"),
                               QStringLiteral("Trova dipendenti"),
                           }) {
    setObjectName(QStringLiteral("frmTrovaDipendenti"));
}
