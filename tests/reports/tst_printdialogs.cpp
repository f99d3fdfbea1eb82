// The way from the print dialog to the printed file.
#include "PdfText.h"
#include "TestEnv.h"
#include "core/platform/ProgramFolder.h"
#include "reports/ListReport.h"
#include "reports/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

class TestPrintDialogs : public QObject {
    Q_OBJECT
private slots:
    void pdfOutputGetsAFileName_data();
    void pdfOutputGetsAFileName();
    void platformDialogWithoutPrinters();
};

void TestPrintDialogs::pdfOutputGetsAFileName_data() {
    QTest::addColumn<QString>("chosen"); // relative to the program folder; "" for none
    QTest::addColumn<QString>("docName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no name") << ""
                             << "Riepilogo"
                             << "Riepilogo.pdf";
    QTest::newRow("a folder") << "Stampe"
                              << "Riepilogo"
                              << "Stampe/Riepilogo.pdf";
    QTest::newRow("a folder with slash") << "Stampe/"
                                         << "Riepilogo"
                                         << "Stampe/Riepilogo.pdf";
    QTest::newRow("a file") << "Stampe/mia.pdf"
                            << "Riepilogo"
                            << "Stampe/mia.pdf";
    QTest::newRow("a name unfit for files") << "Stampe"
                                            << "Lavori 01/02: \"a*b\""
                                            << "Stampe/Lavori 01_02_ _a_b_.pdf";
    QTest::newRow("no document name") << "Stampe"
                                      << ""
                                      << "Stampe/Stampa.pdf";
}

void TestPrintDialogs::pdfOutputGetsAFileName() {
    QFETCH(QString, chosen);
    QFETCH(QString, docName);
    QFETCH(QString, expected);
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Stampe"))));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setDocName(docName);
    printer.setOutputFileName(chosen.isEmpty() ? QString() : folder.file(chosen));
    PrintDialogs::settleOutputFile(&printer);
    QCOMPARE(QDir::cleanPath(printer.outputFileName()), QDir::cleanPath(folder.file(expected)));
}

// With no printer installed the platform dialog offers printing to a PDF file
// only; accepting it as it comes must give a file in the program folder.
void TestPrintDialogs::platformDialogWithoutPrinters() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has printers");
    TempProgramFolder folder;
    PrintDialogs::setChooser(nullptr);
    bool sawDialog = false;
    whenModal([&sawDialog](QWidget *w) {
        sawDialog = qobject_cast<QPrintDialog *>(w) != nullptr;
        if (auto *d = qobject_cast<QDialog *>(w))
            d->accept();
    });
    QVERIFY(ListReport::print(nullptr, QStringLiteral("Riepilogo servizi"), {QStringLiteral("una riga")}));
    QVERIFY(sawDialog);
    const QString file = folder.file(QStringLiteral("Riepilogo servizi.pdf"));
    QVERIFY(QFile::exists(file));
    if (PdfText::toolsAvailable())
        QVERIFY(PdfText(file).pageText(0).contains(QStringLiteral("una riga")));
}

QTEST_MAIN(TestPrintDialogs)
#include "tst_printdialogs.moc"
