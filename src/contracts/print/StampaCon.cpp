#include "contracts/print/StampaCon.h"

#include "contracts/print/ContractLogo.h"
#include "contracts/print/ContractPrint.h"
#include "ui/platform/Messages.h"

TfrmStampaCon::TfrmStampaCon(QWidget *parent, const Record &contract)
    : PrintLauncher(
          parent, QStringLiteral(" Stampa documento"), QStringLiteral("Stampa contratto"),
          {QStringLiteral("L'operazione stampa il contratto con i dati inseriti nei campi di testo."),
           QStringLiteral("Premere Stampa per avviare la stampa, Annulla per annullare l'operazione.")},
          QStringLiteral("Stampa")),
      m_contract(contract) {
    setObjectName(QStringLiteral("frmStampaCon"));
}

QString TfrmStampaCon::failureText() {
    return QStringLiteral(
        "Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\rControllare che la "
        "stampante sia accesa e configurata correttamente.");
}

void TfrmStampaCon::run() {
    if (!ContractPrint::print(this, m_contract, ContractLogo::current()))
        Messages::warning(this, failureText());
}

#include "moc_StampaCon.cpp"
