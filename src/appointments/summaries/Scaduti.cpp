#include "appointments/summaries/Scaduti.h"

#include "core/records/AppointmentState.h"

TfrmScaduti::TfrmScaduti(QWidget *parent)
    : AppointmentSummary(parent, QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
                         QStringLiteral("IMPEGNI SCADUTI E NON ASSOLTI"),
                         QStringLiteral("Riepilogo impegni scaduti e non assolti"),
                         // A date that cannot be read skips its record only:
                         // stopping there would hide every later appointment.
                         [](const char *record, const QDate &today) {
                             return Appointments::state(record, today) == AppointmentState::Overdue;
                         }) {
    setObjectName(QStringLiteral("frmScaduti"));
}
