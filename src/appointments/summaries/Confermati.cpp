#include "appointments/summaries/Confermati.h"

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : AppointmentSummary(parent, QStringLiteral(" Riepilogo impegni da assolvere"),
                         QStringLiteral("IMPEGNI DA ASSOLVERE"),
                         QStringLiteral("Riepilogo impegni da assolvere"), appointmentPending) {
    setObjectName(QStringLiteral("frmConfermati"));
}
