#include "appointments/card/Startup.h"

#include "appointments/card/AppointmentPrint.h"

TfrmStartup::TfrmStartup(QWidget *parent, const Record &appointment)
    : PrintLauncher(
          parent, QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima di stampa"),
          {QStringLiteral("L'operazione mostra in anteprima i dati che verranno stampati."),
           QStringLiteral("Premere Mostra anteprima per visualizzarla, Annulla per annullare l'operazione.")},
          QStringLiteral("Mostra anteprima")),
      m_appointment(appointment) {
    setObjectName(QStringLiteral("frmStartup"));
}

void TfrmStartup::run() { AppointmentPrint::preview(this, m_appointment); }

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_Startup.cpp"
