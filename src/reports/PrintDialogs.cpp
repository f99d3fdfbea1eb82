#include "reports/PrintDialogs.h"

#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A document name usable as a file name on every system.
QString fileNameFor(const QString &docName) {
    QString name = docName.trimmed();
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : name)
        if (forbidden.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("Stampa");
    return name + QStringLiteral(".pdf");
}

class PlatformChooser : public PrinterChooser {
public:
    bool choose(QWidget *parent, QPrinter *printer) override {
        // Without printers the dialog offers only a PDF file: propose one in the
        // program folder rather than a bare folder name.
        if (QPrinterInfo::availablePrinters().isEmpty() && printer->outputFileName().isEmpty())
            printer->setOutputFileName(ProgramFolder::file(fileNameFor(printer->docName())));
        QPrintDialog dialog(printer, parent);
        dialog.setWindowTitle(QStringLiteral(" Stampa"));
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dialog.exec() == QDialog::Accepted;
    }
};

PrinterChooser *platform() {
    static PlatformChooser chooser;
    return &chooser;
}

PrinterChooser *&current() {
    static PrinterChooser *chooser = platform();
    return chooser;
}

} // namespace

namespace PrintDialogs {

bool choosePrinter(QWidget *parent, QPrinter *printer) { return current()->choose(parent, printer); }

void setChooser(PrinterChooser *chooser) { current() = chooser ? chooser : platform(); }

void settleOutputFile(QPrinter *printer) {
    if (printer->outputFormat() != QPrinter::PdfFormat)
        return;
    const QString name = printer->outputFileName();
    if (name.isEmpty()) {
        printer->setOutputFileName(ProgramFolder::file(fileNameFor(printer->docName())));
        return;
    }
    const QFileInfo info(name);
    if (info.isDir() || name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\')))
        printer->setOutputFileName(QDir(name).filePath(fileNameFor(printer->docName())));
}

} // namespace PrintDialogs
