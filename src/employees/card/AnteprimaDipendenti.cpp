#include "employees/card/AnteprimaDipendenti.h"

#include "employees/card/EmployeePrint.h"

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(QWidget *parent, const Record &employee, const QImage &photo)
    : PrintLauncher(
          parent, Output::Preview,
          {.purpose =
               QStringLiteral("L'operazione mostra in anteprima la scheda del dipendente con la sua foto."),
           .fill = [employee, photo](ReportEngine &e) { return EmployeePrint::fill(e, employee, photo); },
           .failureText =
               QStringLiteral(
                   "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.") +
               EmployeePrint::smallerPhotoAdvice()}) {
    setObjectName(QStringLiteral("frmAnteprimaDipendenti"));
}
