#include "employees/card/StampaDipendenti.h"

#include "employees/card/EmployeePrint.h"

TfrmStampaDipendenti::TfrmStampaDipendenti(QWidget *parent, const Record &employee, const QImage &photo)
    : PrintLauncher(
          parent, Output::Paper,
          {.purpose =
               QStringLiteral("L'operazione stampa su carta la scheda del dipendente con la sua foto."),
           .fill = [employee, photo](ReportEngine &e) { return EmployeePrint::fill(e, employee, photo); },
           .failureText = QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.") +
                          EmployeePrint::smallerPhotoAdvice()}) {
    setObjectName(QStringLiteral("frmStampaDipendenti"));
}
