#pragma once
// " Anteprima di stampa": the two pages of the contract on screen in the
// report preview. Fills contracts/print/ContractPrint (with the ContractLogo)
// through ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

class TfrmAnteprimaCon : public PrintLauncher {
    Q_OBJECT
public:
    // contract: the screen's fields as they are (Archives::contracts()).
    TfrmAnteprimaCon(QWidget *parent, const Record &contract);
    static QString failureText();
};
