#include "contracts/card/TrovaContratti.h"

#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"

LineFormat TfrmTrovaContratti::line() {
    // clang-format off
    return LineFormat(Archives::contracts())
        .field("txtCliente", 28)
        .text(QStringLiteral("  Tel. ")).field("txtTelCli", 20)
        .text(QStringLiteral("  Tipo: ")).field(ContractField::TipoImmobile, 25)
        .text(QStringLiteral("  ")).field(ContractField::Ubicazione, 30)
        .text(QStringLiteral("  Contratto n. ")).field("txtNumContratto")
        .text(QStringLiteral(" del ")).field("txtData");
    // clang-format on
}

TfrmTrovaContratti::TfrmTrovaContratti(QWidget *parent)
    : SearchScreen(parent,
                   SearchSpec{
                       .caption = QStringLiteral(" Trova contratti in archivio"),
                       .layout = &Archives::contracts(),
                       .criteria = {{"txtCliente", "Cliente:", "txtCliente"},
                                    {"txtComuneCli", "Comune di residenza:", "txtComuneCli"},
                                    {"txtPartitaIvaCli", "Partita IVA:", "txtPartitaIvaCli"},
                                    {"txtCodFiscCli", "Codice fiscale:", "txtCodFiscCli"},
                                    {"txtData", "Data stipula contratto (gg/mm/aaaa):", "txtData"},
                                    {"txtMarca", "Ubicazione immobile:", ContractField::Ubicazione},
                                    {"txtMatricola", "Durata contratto:", ContractField::DurataContratto},
                                    {"txtTipoImpianto", "Tipo immobile:", ContractField::TipoImmobile},
                                    {"txtOpInc01", "Attività 1 compresa in contratto:", "txtOpInc01"},
                                    {"txtOpInc02", "Attività 2 compresa in contratto:", "txtOpInc02"}},
                       .line = line(),
                       .order = LineOrder::SortedAZ,
                       .ending = QStringLiteral(" schede."),
                       .reportTitle = QStringLiteral("Riepilogo contratti di servizio pulizie"),
                       .bannerTitle = QStringLiteral("Trova contratti"),
                   }) {
    setObjectName(QStringLiteral("frmTrovaContratti"));
}
