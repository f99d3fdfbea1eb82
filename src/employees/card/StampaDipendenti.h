#pragma once
// " Stampa documento" of the employee card: prints the card as it is on
// screen, photo included. Fills employees/card/EmployeePrint through
// ui/windows/PrintLauncher.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

#include <QImage>

class TfrmStampaDipendenti : public PrintLauncher {
    Q_OBJECT
public:
    TfrmStampaDipendenti(QWidget *parent, const Record &employee, const QImage &photo);
};
