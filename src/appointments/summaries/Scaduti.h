#pragma once
#include "appointments/summaries/AppointmentSummary.h"

// Appointments not fulfilled ("No") dated before today.
class TfrmScaduti : public AppointmentSummary {
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget *parent = nullptr);
};
