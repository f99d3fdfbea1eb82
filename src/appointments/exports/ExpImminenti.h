#pragma once
// The imminent appointments in an exportable grid, opened from the agenda.
// Drives appointments/exports/AppointmentGrid with the imminent rule of appointments/agenda/AgendaRules.
#include "ui/export/ExportGrid.h"

class TfrmExpImminenti : public ExportGrid {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *parent = nullptr);
};
