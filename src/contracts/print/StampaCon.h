#pragma once
// " Stampa documento": prints the contract on screen on two A4 pages. Fills
// contracts/print/ContractPrint (with the ContractLogo) through
// ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

class TfrmStampaCon : public PrintLauncher {
    Q_OBJECT
public:
    // contract: the screen's fields as they are (Archives::contracts()).
    TfrmStampaCon(QWidget *parent, const Record &contract);
    static QString failureText();
};
