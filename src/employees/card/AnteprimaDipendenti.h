#pragma once
// " Anteprima di stampa" of the employee card: the preview of the card as it
// is on screen, photo included. Fills employees/card/EmployeePrint through
// ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

#include <QImage>

class TfrmAnteprimaDipendenti : public PrintLauncher {
    Q_OBJECT
public:
    TfrmAnteprimaDipendenti(QWidget *parent, const Record &employee, const QImage &photo);
};
