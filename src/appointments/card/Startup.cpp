#include "appointments/card/Startup.h"

#include "appointments/card/AppointmentPrint.h"

TfrmStartup::TfrmStartup(QWidget *parent, const Record &appointment)
    : PrintLauncher(
          parent, Output::Preview,
          {.purpose = QStringLiteral("L'operazione mostra in anteprima i dati che verranno stampati."),
           .fill = [appointment](ReportEngine &e) { return AppointmentPrint::fill(e, appointment); }}) {
    setObjectName(QStringLiteral("frmStartup"));
}

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_Startup.cpp"
