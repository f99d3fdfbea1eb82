#pragma once
// The imminent appointments in an exportable grid, opened from the agenda.
#include "ui/export/ExportGrid.h"

class TfrmExpImminenti : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *parent = nullptr);
};
