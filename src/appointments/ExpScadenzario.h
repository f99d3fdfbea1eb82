#pragma once
// The whole appointment archive in an exportable grid, in file order, opened
// from the appointment card.
#include "ui/ExportGrid.h"

class TfrmExpScadenzario : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *parent = nullptr);
};
