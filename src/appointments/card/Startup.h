#pragma once
// Preview screen of the appointment card: shows the card's current values in
// the report preview. Fills appointments/card/AppointmentPrint through
// ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

class TfrmStartup : public PrintLauncher {
    Q_OBJECT
public:
    // appointment: the card's fields as they are on screen (Archives::appointments()).
    TfrmStartup(QWidget *parent, const Record &appointment);
};
