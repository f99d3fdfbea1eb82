#pragma once
// Stands in for the print dialog: records each request and "prints" into a
// PDF file the test can read, or cancels.
#include "reports/PrintDialogs.h"

#include <QPageLayout>
#include <QString>
#include <functional>

class ScriptedPrinter : public PrinterChooser {
public:
    ScriptedPrinter();
    ~ScriptedPrinter() override;
    bool choose(QWidget *parent, QPrinter *printer) override;

    QString outputFile;  // the PDF file the printed pages go to
    bool cancel = false; // answer the dialog with Cancel
    // Called after outputFile is set, to play other choices made in the dialog.
    std::function<void(QPrinter *)> onChoose;

    int calls = 0;
    QString docName;
    QPageLayout pageLayout; // as the engine proposed it to the dialog
};
