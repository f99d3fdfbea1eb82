#include "appointments/summaries/Confermati.h"

#include "core/records/AppointmentState.h"

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : AppointmentSummary(parent, QStringLiteral(" Riepilogo impegni da assolvere"),
                         QStringLiteral("IMPEGNI DA ASSOLVERE"),
                         QStringLiteral("Riepilogo impegni da assolvere"),
                         // Overdue or not: the flag "No" alone, whatever the date.
                         [](const char *record, const QDate &) {
                             return Appointments::fulfilledFlag(record) == Flags::YesNo::No;
                         }) {
    setObjectName(QStringLiteral("frmConfermati"));
}
