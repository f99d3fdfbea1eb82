#pragma once
// Print screen of the appointment card: prints the card's current values.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

class TfrmStampaScadenza : public PrintLauncher {
    Q_OBJECT
public:
    // appointment: the card's fields as they are on screen (Archives::appointments()).
    TfrmStampaScadenza(QWidget *parent, const Record &appointment);

protected:
    void run() override;

private:
    Record m_appointment;
};
