#include "employees/card/AnteprimaDipendenti.h"

#include "ui/platform/Messages.h"
#include "employees/card/EmployeePrint.h"

namespace {
const QString kSmaller = QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
}

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(QWidget *parent, const Record &employee, const QImage &photo)
    : PrintLauncher(
          parent, QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima di stampa"),
          {QStringLiteral("L'operazione mostra in anteprima la scheda del dipendente con la sua foto."),
           QStringLiteral("Premere Mostra anteprima per visualizzarla, Annulla per annullare l'operazione.")},
          QStringLiteral("Mostra anteprima")),
      m_employee(employee), m_photo(photo) {
    setObjectName(QStringLiteral("frmAnteprimaDipendenti"));
}

void TfrmAnteprimaDipendenti::run() {
    if (!EmployeePrint::preview(this, m_employee, m_photo))
        Messages::warning(this,
                          QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è "
                                         "andata a buon fine.") +
                              kSmaller);
}
