// The list report every list screen prints: heights, texts, pages and the
// way through the print dialog.
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "core/platform/Clock.h"
#include "reports/ListReport.h"
#include "reports/ReportEngine.h"
#include "reports/ReportUnits.h"

#include <QPrinter>
#include <QtTest>

namespace {

constexpr double mm = ReportUnits::fromMm(1);

QStringList resultLines(int n) {
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines.append(QStringLiteral("%1  Rossi Mario          Via Roma %2          Sì")
                         .arg(i + 1, 5, 10, QLatin1Char('0'))
                         .arg(i % 97));
    return lines;
}

} // namespace

class TestListReport : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))); }
    void cleanup() { Clock::setFixed(QDateTime()); }
    void heightsFollowTheLines_data();
    void heightsFollowTheLines();
    void titleAndPrintDate();
    void printedPages_data();
    void printedPages();
    void cancelledDialogPrintsNothing();
    void printToFileWithAFolderName();
    void printFailureIsTold();
};

void TestListReport::heightsFollowTheLines_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("memo");
    QTest::addColumn<double>("band");
    QTest::newRow("empty") << 0 << 0.0 << 10.0;
    QTest::newRow("one") << 1 << 12.822 << 22.822;
    QTest::newRow("fifty") << 50 << 641.1 << 651.1;
}

void TestListReport::heightsFollowTheLines() {
    QFETCH(int, lines);
    QFETCH(double, memo);
    QFETCH(double, band);
    ReportEngine engine;
    QVERIFY(ListReport::fill(engine, QStringLiteral("Riepilogo"), resultLines(lines)));
    QVERIFY(std::abs(engine.findObject(QStringLiteral("txtRiepilogo"))->height() - memo) < 1e-9);
    QVERIFY(std::abs(engine.findBand(QStringLiteral("MasterData"))->height - band) < 1e-9);
    QCOMPARE(engine.findObject(QStringLiteral("txtRiepilogo"))->lines(), resultLines(lines));
}

void TestListReport::titleAndPrintDate() {
    ReportEngine engine;
    QVERIFY(ListReport::fill(engine, QStringLiteral("Appuntamenti imminenti"), {}));
    QCOMPARE(engine.findObject(QStringLiteral("txtTitolo"))->text(),
             QStringLiteral("Appuntamenti imminenti"));
    QCOMPARE(engine.findObject(QStringLiteral("txtPagina"))->text(),
             QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:03"));
}

void TestListReport::printedPages_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list: title and footer only") << 0 << 1;
    QTest::newRow("fifty lines on one page") << 50 << 1;
    QTest::newRow("long list") << 140 << 3;
}

void TestListReport::printedPages() {
    QFETCH(int, lines);
    QFETCH(int, pages);
    if (!PdfText::toolsAvailable())
        QSKIP("poppler-utils are needed to read the printed file");
    TempProgramFolder folder;
    ScriptedPrinter printer;
    printer.outputFile = folder.file(QStringLiteral("stampa.pdf"));
    const QStringList list = resultLines(lines);
    QVERIFY(ListReport::print(nullptr, QStringLiteral("Riepilogo lavori svolti"), list));
    QCOMPARE(printer.calls, 1);
    QCOMPARE(printer.docName, QStringLiteral("Riepilogo lavori svolti"));
    QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Landscape);

    const PdfText pdf(printer.outputFile);
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), pages);
    // A4 landscape, 10 mm margins: the title band at the top, the footer at the bottom.
    const QRectF title = PdfText::points(QRectF(10 * mm, 10 * mm, 277 * mm, 7 * mm));
    const QRectF footer = PdfText::points(QRectF(10 * mm, 194 * mm, 277 * mm, 6 * mm));
    const QRectF body = PdfText::points(QRectF(10 * mm, 10 * mm, 277 * mm, 183 * mm));
    QStringList printed;
    for (int p = 0; p < pdf.pageCount(); ++p) {
        QCOMPARE(pdf.pageSize(p), QSizeF(842, 595));
        if (p == 0)
            QCOMPARE(pdf.textIn(p, title), QStringLiteral("Riepilogo lavori svolti"));
        else
            QVERIFY(!pdf.pageText(p).contains(QStringLiteral("Riepilogo lavori svolti")));
        QCOMPARE(pdf.textIn(p, footer),
                 QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:03"));
        const QString text = pdf.textIn(p, body);
        if (!text.isEmpty())
            printed += text.split(QLatin1Char('\n'));
    }
    if (!printed.isEmpty() && printed.first() == QStringLiteral("Riepilogo lavori svolti"))
        printed.removeFirst();
    QStringList expected;
    for (const QString &line : list)
        expected.append(line.simplified()); // a reader sees words, not the blanks between them
    QCOMPARE(printed, expected);
}

void TestListReport::cancelledDialogPrintsNothing() {
    TempProgramFolder folder;
    ScriptedPrinter printer;
    printer.cancel = true;
    printer.outputFile = folder.file(QStringLiteral("stampa.pdf"));
    QVERIFY(ListReport::print(nullptr, QStringLiteral("Titolo"), resultLines(3)));
    QCOMPARE(printer.calls, 1);
    QVERIFY(!QFile::exists(printer.outputFile));
}

// Without printers the dialog offers only a PDF file and may hand back a
// folder: the pages go to a file named after the report in that folder.
void TestListReport::printToFileWithAFolderName() {
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti"))));
    ScriptedPrinter printer;
    printer.onChoose = [&folder](QPrinter *p) {
        p->setOutputFileName(folder.file(QStringLiteral("Documenti")));
    };
    QVERIFY(ListReport::print(nullptr, QStringLiteral("Clienti da ricontattare"), resultLines(2)));
    const QString file = folder.file(QStringLiteral("Documenti/Clienti da ricontattare.pdf"));
    QVERIFY(QFile::exists(file));
    if (PdfText::toolsAvailable())
        QCOMPARE(PdfText(file).pageCount(), 1);
}

void TestListReport::printFailureIsTold() {
    TempProgramFolder folder;
    ScriptedPrinter printer;
    printer.outputFile = folder.file(QStringLiteral("manca/stampa.pdf")); // a folder that is not there
    ReportEngine engine;
    QVERIFY(ListReport::fill(engine, QStringLiteral("Titolo"), resultLines(2)));
    QVERIFY(engine.prepare());
    QVERIFY(!engine.print(nullptr));
    QVERIFY2(engine.errorString().contains(printer.outputFile), qPrintable(engine.errorString()));
}

QTEST_MAIN(TestListReport)
#include "tst_listreport.moc"
