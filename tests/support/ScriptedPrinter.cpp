#include "ScriptedPrinter.h"

#include <QPrinter>

ScriptedPrinter::ScriptedPrinter() { PrintDialogs::setChooser(this); }
ScriptedPrinter::~ScriptedPrinter() { PrintDialogs::setChooser(nullptr); }

bool ScriptedPrinter::choose(QWidget *, QPrinter *printer) {
    ++calls;
    docName = printer->docName();
    pageLayout = printer->pageLayout();
    if (cancel)
        return false;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(outputFile);
    if (onChoose)
        onChoose(printer);
    return true;
}
