#pragma once
// " Stampa documento" of the employee card: prints the card as it is on
// screen, photo included.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

#include <QImage>

class TfrmStampaDipendenti : public PrintLauncher {
    Q_OBJECT
public:
    TfrmStampaDipendenti(QWidget *parent, const Record &employee, const QImage &photo);

protected:
    void run() override;

private:
    Record m_employee;
    QImage m_photo;
};
