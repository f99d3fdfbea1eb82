#include "clients/TrovaClienti.h"

#include "core/records/Archives.h"

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent)
    : SearchScreen(parent, SearchSpec{
                               .caption = QStringLiteral(" Trova clienti in archivio"),
                               .layout = &Archives::clients(),
                               .criteria = {{"txtCliente", "Cognome e nome:", "Cliente"},
                                            {"txtComuneRes", "Comune di residenza:", "ComuneRes"},
                                            {"txtPartitaIva", "Partita IVA:", "PartitaIva"},
                                            {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                                            {"txtDocumento", "Estremi documento:", "Documento"},
                                            {"txtOccupazione", "Occupazione:", "Occupazione"},
                                            {"txtProdotti", "Prodotti e servizi di interesse:", "Prodotti"},
                                            {"txtZona", "Zona di appartenenza:", "Zona"},
                                            {"txtQuestioni", "Questioni in sospeso:", "Questioni"},
                                            {"txtNote", "Note:", "Note"}},
                               .line = line(),
                               .order = LineOrder::SortedAZ,
                               .ending = QStringLiteral(" schede."),
                               .reportTitle = QStringLiteral("Riepilogo clienti in archivio"),
                               .bannerTitle = QStringLiteral("Trova clienti"),
                           }) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
}

LineFormat TfrmTrovaClienti::line() {
    // clang-format off
    return LineFormat(Archives::clients())
        .field("Cliente", 26)
        .text(QStringLiteral("  Tel. ")).field("Recapito", 15)
        .text(QStringLiteral("  ")).field("Occupazione", 25)
        .text(QStringLiteral("  Prod. ")).field("Prodotti", 30)
        .text(QStringLiteral("  ")).field("Note");
    // clang-format on
}
