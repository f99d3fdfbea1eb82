#pragma once
#include "core/records/ResultLine.h"
#include "ui/search/SearchScreen.h"

// " Trova contratti in archivio": the contract search, sorted lines.
class TfrmTrovaContratti : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaContratti(QWidget *parent = nullptr);
    // A contract as one result line.
    static LineFormat line();
};
