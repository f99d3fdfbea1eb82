#pragma once
#include "ui/export/ExportGrid.h"

// " Esporta archivio clienti in Excel": every client of Contatti.pro in the
// grid, exported to "Clienti.xls".
class TfrmExpClienti : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);
};
