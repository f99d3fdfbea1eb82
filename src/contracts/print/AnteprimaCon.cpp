#include "contracts/print/AnteprimaCon.h"

#include "contracts/print/ContractLogo.h"
#include "contracts/print/ContractPrint.h"

TfrmAnteprimaCon::TfrmAnteprimaCon(QWidget *parent, const Record &contract)
    : PrintLauncher(
          parent, Output::Preview,
          {.pictureTitle = QStringLiteral("Anteprima del contratto"),
           .purpose =
               QStringLiteral("L'operazione mostra in anteprima il contratto con i dati inseriti nei campi "
                              "di testo."),
           .fill = [contract](
                       ReportEngine &e) { return ContractPrint::fill(e, contract, ContractLogo::current()); },
           .failureText = failureText()}) {
    setObjectName(QStringLiteral("frmAnteprimaCon"));
}

QString TfrmAnteprimaCon::failureText() {
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
                          "fine.\n\r\n\rControllare che la stampante sia configurata correttamente.");
}

#include "moc_AnteprimaCon.cpp"
