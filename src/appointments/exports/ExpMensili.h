#pragma once
// Every appointment of one month of one year, fulfilled or not, in an
// exportable grid.
// Drives appointments/exports/AppointmentGrid.
#include "ui/export/ExportGrid.h"

#include <QDate>

class TfrmExpMensili : public ExportGrid {
    Q_OBJECT
public:
    // day: the date selected in the agenda's calendar; its month and year count.
    TfrmExpMensili(const QDate &day, QWidget *parent = nullptr);
};
