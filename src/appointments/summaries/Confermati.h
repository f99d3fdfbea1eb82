#pragma once
#include "appointments/summaries/AppointmentSummary.h"

// Appointments not fulfilled ("No"), whatever their date.
class TfrmConfermati : public AppointmentSummary {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget *parent = nullptr);
};
