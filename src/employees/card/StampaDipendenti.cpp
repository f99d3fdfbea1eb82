#include "employees/card/StampaDipendenti.h"

#include "ui/platform/Messages.h"
#include "employees/card/EmployeePrint.h"

namespace {
const QString kSmaller = QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
}

TfrmStampaDipendenti::TfrmStampaDipendenti(QWidget *parent, const Record &employee, const QImage &photo)
    : PrintLauncher(
          parent, QStringLiteral(" Stampa documento"), QStringLiteral("Stampa documento"),
          {QStringLiteral("L'operazione stampa su carta la scheda del dipendente con la sua foto."),
           QStringLiteral("Premere Stampa per avviare la stampa, Annulla per annullare l'operazione.")},
          QStringLiteral("Stampa")),
      m_employee(employee), m_photo(photo) {
    setObjectName(QStringLiteral("frmStampaDipendenti"));
}

void TfrmStampaDipendenti::run() {
    if (!EmployeePrint::print(this, m_employee, m_photo))
        Messages::warning(
            this, QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.") + kSmaller);
}
