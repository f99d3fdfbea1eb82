// The printed week of the planner, read back from the PDF: A4 landscape, the
// title and footer, every block in its day's column at its hour with the
// planner's text, side by side, in its state's colours, the strips with the
// count of what does not fit, the operator chosen, and the print from the
// screen through the preview.
#include "PdfText.h"
#include "PlanningFixture.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "appointments/planning/Planning.h"
#include "appointments/planning/PlanningPrint.h"
#include "core/platform/Clock.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreview.h"
#include "reports/ReportUnits.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Planning;

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");
constexpr double mm = ReportUnits::fromMm(1);

// A week printed to PDF, with every object's box on the page in points.
struct PrintedWeek {
    PrintedWeek(const QByteArray &archive, const QString &operatorName = {}) {
        folder.write(kFile, archive);
        const Week week = Week::read(folder.file(kFile), PlanningFixture::today, PlanningFixture::today);
        ReportEngine engine;
        ok = PlanningPrint::fill(engine, week, week.blocks(operatorName), operatorName) && engine.prepare() &&
             engine.exportPdf(folder.file(QStringLiteral("settimana.pdf")), PdfSettings());
        for (const ReportObject &o : engine.report().pages.first().objects) {
            boxes.insert(o.name, PdfText::points(o.rect.translated(10 * mm, 10 * mm)));
            fills.insert(o.name, o.fill);
        }
        pdf = std::make_unique<PdfText>(folder.file(QStringLiteral("settimana.pdf")));
    }
    QString in(const QString &object) const { return pdf->textIn(0, boxes.value(object)); }
    TempProgramFolder folder;
    bool ok = false;
    QHash<QString, QRectF> boxes;
    QHash<QString, QColor> fills;
    std::unique_ptr<PdfText> pdf;
};

void whenPreview(std::function<void(ReportPreview *)> action) {
    whenModal([action](QWidget *w) {
        if (auto *preview = qobject_cast<ReportPreview *>(w))
            action(preview);
        else
            w->close();
    });
}

} // namespace

class TstPlanningPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are needed to read the printed week");
    }
    void init() { Clock::setFixed(QDateTime(PlanningFixture::today, QTime(18, 4, 59))); }
    void cleanup() { Clock::setFixed(QDateTime()); }

    void pageTitleAndFooter() {
        const PrintedWeek week(PlanningFixture::archive());
        QVERIFY(week.ok);
        QCOMPARE(week.pdf->pageCount(), 1);
        QCOMPARE(week.pdf->pageSize(0), QSizeF(842, 595)); // A4 landscape
        QCOMPARE(week.in(QStringLiteral("txtTitolo")),
                 QStringLiteral("Planning settimanale dal 09/03/2026 al 15/03/2026"));
        QCOMPARE(week.in(QStringLiteral("txtPagina")),
                 QStringLiteral("Stampa eseguita in data 11/03/2026 alle ore 18:04:59"));
        QCOMPARE(week.in(QStringLiteral("txtGiorno1")), QStringLiteral("lun 09/03"));
        QCOMPARE(week.in(QStringLiteral("txtGiorno7")), QStringLiteral("dom 15/03"));
        // Out of the week, or of a date that cannot be read: not printed.
        for (const char *absent : {"blk10", "blk11", "blk13"})
            QVERIFY2(!week.boxes.contains(QLatin1String(absent)), absent);
    }

    void blocksInTheirPlaces_data() {
        QTest::addColumn<qint64>("record");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour"); // the hour line its top is on, -1 for a strip
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("Monday 09:00") << 1LL << 1 << 9 << "09:00 Rossi Mario";
        QTest::newRow("Monday 11:00") << 4LL << 1 << 11 << "11:00 Neri Sara";
        QTest::newRow("Thursday 14:00, left") << 12LL << 4 << 14 << "14:00 Colombo";
        QTest::newRow("Thursday 14:00, right") << 15LL << 4 << 14 << "14:00 Esposito";
        QTest::newRow("Friday 06:00") << 14LL << 5 << 6 << "06:00 Senza Operatore";
        QTest::newRow("early strip") << 7LL << 2 << -1 << "05:30 Ricci Giulia \u2013 Pulizia uffici";
        QTest::newRow("late strip") << 9LL << 2 << -1 << "22:00 Marino Chiara \u2013 Pulizia uffici";
    }
    void blocksInTheirPlaces() {
        QFETCH(qint64, record);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(QString, firstLine);
        const PrintedWeek week(PlanningFixture::archive());
        QVERIFY(week.ok);
        const QString name = QStringLiteral("blk%1").arg(record);
        QVERIFY(week.boxes.contains(name));
        const QRectF box = week.boxes.value(name),
                     heading = week.boxes.value(QStringLiteral("txtGiorno%1").arg(day));
        QVERIFY2(box.left() >= heading.left() - 1 && box.right() <= heading.right() + 1, qPrintable(name));
        QVERIFY(week.in(name).startsWith(firstLine));
        if (hour >= 0) {
            QVERIFY(qAbs(box.top() - week.boxes.value(QStringLiteral("txtOra%1").arg(hour)).top()) < 1);
            // One hour tall: the two half-hour rows under its time.
            QVERIFY(qAbs(box.height() - 2 * week.boxes.value(QStringLiteral("txtOra%1").arg(hour)).height()) <
                    1.5);
            QVERIFY(week.in(name).contains(QStringLiteral("Pulizia uffici")));
        }
    }

    void sideBySideAndColours() {
        const PrintedWeek week(PlanningFixture::archive());
        QVERIFY(week.ok);
        const QRectF left = week.boxes.value("blk12"), right = week.boxes.value("blk15");
        QCOMPARE(left.top(), right.top());
        QVERIFY(left.right() <= right.left());
        QVERIFY(qAbs(left.width() - right.width()) < 0.5);
        // The operator is the last line of a block.
        QVERIFY(week.in("blk15").endsWith(QStringLiteral("Beppe")));
        // Overdue, fulfilled and to fulfil each have their colour; fulfilled is grey.
        QCOMPARE(week.fills.value("blk1"), week.fills.value("blk3"));
        QCOMPARE(week.fills.value("blk12"), week.fills.value("blk2"));
        QCOMPARE(week.fills.value("blk5"), week.fills.value("blk15"));
        const QColor overdue = week.fills.value("blk1"), done = week.fills.value("blk2"),
                     open = week.fills.value("blk5");
        QVERIFY(overdue != done && done != open && open != overdue);
        QVERIFY(done.red() == done.green() && done.green() == done.blue());
        QVERIFY(overdue.red() > overdue.blue() && open.blue() > open.red());
    }

    void oneOperator() {
        const PrintedWeek week(PlanningFixture::archive(), QStringLiteral("Beppe"));
        QVERIFY(week.ok);
        QCOMPARE(week.in(QStringLiteral("txtTitolo")),
                 QStringLiteral("Planning settimanale dal 09/03/2026 al 15/03/2026 \u2013 Operatore: Beppe"));
        QStringList printed;
        for (auto it = week.boxes.cbegin(); it != week.boxes.cend(); ++it)
            if (it.key().startsWith(QLatin1String("blk")))
                printed << it.key();
        printed.sort();
        QCOMPARE(printed, (QStringList{"blk15", "blk6", "blk7", "blk8"}));
    }

    // A strip keeps to its room: what does not fit is counted on its last line.
    void crowdedStripEndsWithACount() {
        QByteArray bytes;
        for (int i = 0; i < PlanningPrint::stripMostLines + 3; ++i)
            bytes += PlanningFixture::record(
                {"12/03/2026", "05", qPrintable(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'))), "",
                 "Anna", qPrintable(QStringLiteral("Cliente %1").arg(i)), "No"});
        const PrintedWeek week(bytes);
        QVERIFY(week.ok);
        for (int n = 1; n <= PlanningPrint::stripMostLines + 3; ++n)
            QCOMPARE(week.boxes.contains(QStringLiteral("blk%1").arg(n)), n < PlanningPrint::stripMostLines);
        QCOMPARE(week.in(QStringLiteral("txtAltriPrima4")), QStringLiteral("\u2026 e altri 4"));
        QVERIFY(!week.boxes.contains(QStringLiteral("txtAltriDopo4")));
    }

    // From the screen: Stampa settimana shows the preview, whose print button
    // prints the week shown, with the operator chosen.
    void printFromThePlanner() {
        TempProgramFolder folder;
        folder.write(kFile, PlanningFixture::archive());
        ScriptedPrinter printer;
        printer.outputFile = folder.file(QStringLiteral("stampata.pdf"));
        TfrmPlanning planning;
        planning.openModule();
        planning.cmbOperatore->setCurrentIndex(planning.cmbOperatore->findText(QStringLiteral("Marco")));
        int pages = 0;
        whenPreview([&](ReportPreview *preview) {
            pages = preview->view->pageCount();
            preview->actStampa->trigger();
            preview->actChiudi->trigger();
        });
        planning.cmdStampa->click();
        QCOMPARE(pages, 1);
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.pageLayout.orientation(), QPageLayout::Landscape);
        const QString text = PdfText(printer.outputFile).allText();
        QVERIFY(text.contains(QStringLiteral("Operatore: Marco")));
        QVERIFY(text.contains(QStringLiteral("Gallo Paolo")));
        QVERIFY(!text.contains(QStringLiteral("Rossi Mario")));
    }
};

QTEST_MAIN(TstPlanningPrint)
#include "tst_planningprint.moc"
