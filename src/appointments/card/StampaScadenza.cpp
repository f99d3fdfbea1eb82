#include "appointments/card/StampaScadenza.h"

#include "appointments/card/AppointmentPrint.h"

TfrmStampaScadenza::TfrmStampaScadenza(QWidget *parent, const Record &appointment)
    : PrintLauncher(
          parent, QStringLiteral(" Stampa documento"), QStringLiteral("Stampa documento"),
          {QStringLiteral("L'operazione stampa su carta il documento con i dati inseriti nei campi."),
           QStringLiteral("Premere Stampa per avviare la stampa, Annulla per annullare l'operazione.")},
          QStringLiteral("Stampa")),
      m_appointment(appointment) {
    setObjectName(QStringLiteral("frmStampaScadenza"));
}

// Printer problems are the print dialog's to show: nothing is reported here.
void TfrmStampaScadenza::run() { AppointmentPrint::print(this, m_appointment); }

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_StampaScadenza.cpp"
