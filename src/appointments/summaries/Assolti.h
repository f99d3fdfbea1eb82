#pragma once
#include "appointments/summaries/AppointmentSummary.h"

// Fulfilled appointments, whatever their date.
class TfrmAssolti : public AppointmentSummary {
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget *parent = nullptr);
};
