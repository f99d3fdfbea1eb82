#pragma once
// The choice of the printer for a report goes through here, so that tests can
// script it instead of facing the platform's print dialog (as Messages.h does
// for message boxes).
#include <QString>

class QPrinter;
class QWidget;

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Lets the user choose printer, pages and copies for the printer's document;
    // false when the user cancels.
    virtual bool choose(QWidget *parent, QPrinter *printer) = 0;
};

namespace PrintDialogs {

bool choosePrinter(QWidget *parent, QPrinter *printer);
// Replaces the print dialog (nullptr restores the real one).
void setChooser(PrinterChooser *chooser);

// Printing to a PDF file needs a file name: an empty name, or a folder (what
// the print dialog leaves when no printer is installed and the user accepts
// "print to file" as it is), becomes "<document name>.pdf" in that folder
// (the program folder for an empty name).
void settleOutputFile(QPrinter *printer);

} // namespace PrintDialogs
