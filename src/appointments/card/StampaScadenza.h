#pragma once
// Print screen of the appointment card: prints the card's current values.
// Fills appointments/card/AppointmentPrint through ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

class TfrmStampaScadenza : public PrintLauncher {
    Q_OBJECT
public:
    // appointment: the card's fields as they are on screen (Archives::appointments()).
    TfrmStampaScadenza(QWidget *parent, const Record &appointment);
};
