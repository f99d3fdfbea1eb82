#include "contracts/card/ExpContratti.h"

#include "contracts/card/ContrattoHelp.h"
#include "core/records/Archives.h"
#include "core/records/FieldAliases.h"

ExportGridSpec TfrmExpContratti::grid() {
    ExportGridSpec s;
    s.caption = QStringLiteral(" Esporta archivio contratti in Excel");
    s.layout = &Archives::contracts();
    // clang-format off
    s.columns = {
        {.header = QStringLiteral("Contratto n."), .gridWidth = 150, .exportWidth = 200, .field = "txtNumContratto"},
        {.header = QStringLiteral("Data stipula"), .gridWidth = 120, .exportWidth = 150, .field = "txtData",
         .exportHeader = QStringLiteral("Data")},
        {.header = QStringLiteral("Luogo stipula"), .gridWidth = 200, .exportWidth = 250, .field = "txtLuogo"},
        {.header = QStringLiteral("Cliente"), .gridWidth = 200, .exportWidth = 250, .field = "txtCliente"},
        {.header = QStringLiteral("Comune di residenza"), .gridWidth = 200, .exportWidth = 250,
         .made = townAndProvince(Archives::contracts(), "txtComuneCli", "txtProvCli")},
        {.header = QStringLiteral("Via e numero civico"), .gridWidth = 250, .exportWidth = 300, .field = "txtViaCli"},
        {.header = QStringLiteral("Partita IVA"), .gridWidth = 120, .exportWidth = 200, .field = "txtPartitaIvaCli"},
        {.header = QStringLiteral("Codice Fiscale"), .gridWidth = 150, .exportWidth = 200, .field = "txtCodFiscCli"},
        {.header = QStringLiteral("Telefono"), .gridWidth = 150, .exportWidth = 250, .field = "txtTelCli"},
        {.header = QStringLiteral("Frequenza servizi"), .gridWidth = 250, .exportWidth = 250, .field = ContractField::Frequenza},
        {.header = QStringLiteral("Tipo immobile"), .gridWidth = 200, .exportWidth = 250, .field = ContractField::TipoImmobile},
        {.header = QStringLiteral("Ubicazione immobile"), .gridWidth = 300, .exportWidth = 400, .field = ContractField::Ubicazione},
        {.header = QStringLiteral("Durata contratto"), .gridWidth = 250, .exportWidth = 250, .field = ContractField::DurataContratto},
        {.header = QStringLiteral("Fornitore dei materiali"), .gridWidth = 300, .exportWidth = 300,
         .field = ContractField::Fornitore},
        {.header = QStringLiteral("Foro competente"), .gridWidth = 250, .exportWidth = 250, .field = ContractField::ForoCompetente},
        {.header = QStringLiteral("Condizioni per recesso"), .gridWidth = 350, .exportWidth = 400,
         .field = ContractField::Recesso},
        {.header = QStringLiteral("Polizza assicurativa"), .gridWidth = 350, .exportWidth = 400,
         .field = ContractField::Polizza},
        {.header = QStringLiteral("Orari intervento"), .gridWidth = 250, .exportWidth = 300, .field = ContractField::OrariIntervento},
        {.header = QStringLiteral("Durata intervento"), .gridWidth = 250, .exportWidth = 250, .field = ContractField::DurataIntervento},
        {.header = QStringLiteral("Periodicità canone"), .gridWidth = 200, .exportWidth = 250,
         .field = "txtPeriodicita"},
        {.header = QStringLiteral("Importo canone"), .gridWidth = 200, .exportWidth = 200, .field = "txtImpCanone"},
        {.header = QStringLiteral("Modalità di pagamento"), .gridWidth = 250, .exportWidth = 300,
         .field = "txtPagamento"},
        {.header = QStringLiteral("Attività 1 inclusa in contratto"), .gridWidth = 300, .exportWidth = 400,
         .field = "txtOpInc01"},
        {.header = QStringLiteral("Attività 2 inclusa in contratto"), .gridWidth = 300, .exportWidth = 400,
         .field = "txtOpInc02"},
        {.header = QStringLiteral("Attività 3 inclusa in contratto"), .gridWidth = 300, .exportWidth = 400,
         .field = "txtOpInc03"},
    };
    // clang-format on
    s.fileName = QStringLiteral("Contratti.xls");
    s.sheetName = QStringLiteral("Riepilogo Contratti");
    s.help = contractExportHelp();
    return s;
}

TfrmExpContratti::TfrmExpContratti(QWidget *parent) : ExportGrid(parent, grid()) {
    setObjectName(QStringLiteral("frmExpContratti"));
}
