#pragma once
// " Anteprima di stampa" of the employee card: the preview of the card as it
// is on screen, photo included.
#include "core/records/RecordLayout.h"
#include "ui/windows/PrintLauncher.h"

#include <QImage>

class TfrmAnteprimaDipendenti : public PrintLauncher {
    Q_OBJECT
public:
    TfrmAnteprimaDipendenti(QWidget *parent, const Record &employee, const QImage &photo);

protected:
    void run() override;

private:
    Record m_employee;
    QImage m_photo;
};
