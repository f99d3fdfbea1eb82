#include "appointments/card/StampaScadenza.h"

#include "appointments/card/AppointmentPrint.h"

// Printer problems are the print dialog's to show: nothing is reported here.
TfrmStampaScadenza::TfrmStampaScadenza(QWidget *parent, const Record &appointment)
    : PrintLauncher(
          parent, Output::Paper,
          {.purpose =
               QStringLiteral("L'operazione stampa su carta il documento con i dati inseriti nei campi."),
           .fill = [appointment](ReportEngine &e) { return AppointmentPrint::fill(e, appointment); }}) {
    setObjectName(QStringLiteral("frmStampaScadenza"));
}

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_StampaScadenza.cpp"
