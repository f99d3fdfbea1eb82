#pragma once
// " Esporta archivio contratti in Excel": every contract of Contratti.pro in a
// grid, exported as Contratti.xls.
#include "ui/export/ExportGrid.h"

class TfrmExpContratti : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpContratti(QWidget *parent = nullptr);
    static ExportGridSpec grid();
};
