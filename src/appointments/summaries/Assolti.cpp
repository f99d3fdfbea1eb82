#include "appointments/summaries/Assolti.h"

#include "core/records/AppointmentState.h"

TfrmAssolti::TfrmAssolti(QWidget *parent)
    : AppointmentSummary(parent, QStringLiteral(" Riepilogo impegni assolti"),
                         QStringLiteral("IMPEGNI ASSOLTI"), QStringLiteral("Riepilogo impegni assolti"),
                         [](const char *record, const QDate &today) {
                             return Appointments::state(record, today) == AppointmentState::Fulfilled;
                         }) {
    setObjectName(QStringLiteral("frmAssolti"));
}
