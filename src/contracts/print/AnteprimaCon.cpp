#include "contracts/print/AnteprimaCon.h"

#include "contracts/print/ContractLogo.h"
#include "contracts/print/ContractPrint.h"
#include "ui/platform/Messages.h"

TfrmAnteprimaCon::TfrmAnteprimaCon(QWidget *parent, const Record &contract)
    : PrintLauncher(
          parent, QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima del contratto"),
          {QStringLiteral("L'operazione mostra in anteprima il contratto con i dati inseriti nei campi "
                          "di testo."),
           QStringLiteral("Premere Mostra anteprima per visualizzarla, Annulla per annullare "
                          "l'operazione.")},
          QStringLiteral("Mostra anteprima")),
      m_contract(contract) {
    setObjectName(QStringLiteral("frmAnteprimaCon"));
}

QString TfrmAnteprimaCon::failureText() {
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
                          "fine.\n\r\n\rControllare che la stampante sia configurata correttamente.");
}

void TfrmAnteprimaCon::run() {
    if (!ContractPrint::preview(this, m_contract, ContractLogo::current()))
        Messages::warning(this, failureText());
}

#include "moc_AnteprimaCon.cpp"
