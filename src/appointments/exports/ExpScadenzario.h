#pragma once
// The whole appointment archive in an exportable grid, in file order, opened
// from the appointment card.
// Drives appointments/exports/AppointmentGrid.
#include "ui/export/ExportGrid.h"

class TfrmExpScadenzario : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *parent = nullptr);
};
