#pragma once
#include "core/ResultLine.h"
#include "ui/SearchScreen.h"

// " Trova contratti in archivio": the contract search, sorted lines.
class TfrmTrovaContratti : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaContratti(QWidget *parent = nullptr);
    // A contract as one result line.
    static LineFormat line();
};
