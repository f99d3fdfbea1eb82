#pragma once
// Every appointment of one day, fulfilled or not, in an exportable grid.
// Drives appointments/exports/AppointmentGrid.
#include "ui/export/ExportGrid.h"

#include <QDate>

class TfrmExpGiornaliere : public ExportGrid {
    Q_OBJECT
public:
    // day: the date selected in the agenda's calendar.
    TfrmExpGiornaliere(const QDate &day, QWidget *parent = nullptr);
};
