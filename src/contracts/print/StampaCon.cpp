#include "contracts/print/StampaCon.h"

#include "contracts/print/ContractLogo.h"
#include "contracts/print/ContractPrint.h"

TfrmStampaCon::TfrmStampaCon(QWidget *parent, const Record &contract)
    : PrintLauncher(
          parent, Output::Paper,
          {.pictureTitle = QStringLiteral("Stampa contratto"),
           .purpose =
               QStringLiteral("L'operazione stampa il contratto con i dati inseriti nei campi di testo."),
           .fill = [contract](
                       ReportEngine &e) { return ContractPrint::fill(e, contract, ContractLogo::current()); },
           .failureText = failureText()}) {
    setObjectName(QStringLiteral("frmStampaCon"));
}

QString TfrmStampaCon::failureText() {
    return QStringLiteral(
        "Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\rControllare che la "
        "stampante sia accesa e configurata correttamente.");
}

#include "moc_StampaCon.cpp"
