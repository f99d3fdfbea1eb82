#include "appointments/summaries/Assolti.h"

TfrmAssolti::TfrmAssolti(QWidget *parent)
    : AppointmentSummary(parent, QStringLiteral(" Riepilogo impegni assolti"),
                         QStringLiteral("IMPEGNI ASSOLTI"), QStringLiteral("Riepilogo impegni assolti"),
                         appointmentFulfilled) {
    setObjectName(QStringLiteral("frmAssolti"));
}
