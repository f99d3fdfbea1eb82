// The preview window: it opens modally on the prepared pages, offers only
// print, zoom, full screen and close, and closes.
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "reports/ListReport.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreview.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QtTest>

class TestReportPreview : public QObject {
    Q_OBJECT
private slots:
    void opensOnThePagesAndCloses_data();
    void opensOnThePagesAndCloses();
    void zoomFullScreenAndPrint();
};

void TestReportPreview::opensOnThePagesAndCloses_data() {
    QTest::addColumn<int>("lines");
    QTest::newRow("one page") << 3;
    QTest::newRow("three pages") << 140;
}

void TestReportPreview::opensOnThePagesAndCloses() {
    QFETCH(int, lines);
    ReportEngine engine;
    QVERIFY(ListReport::fill(engine, QStringLiteral("Titolo"), QStringList(lines, QStringLiteral("riga"))));
    QVERIFY(engine.prepare());
    QStringList actions;
    int previewPages = -1;
    bool wasModal = false;
    whenModal([&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        if (!preview) {
            w->close();
            return;
        }
        wasModal = preview->isModal() && preview->isVisible();
        for (QAction *a : preview->toolbar->actions())
            if (!a->isSeparator() && a->isVisible())
                actions.append(a->objectName());
        previewPages = preview->view->pageCount();
        preview->actChiudi->trigger();
    });
    engine.showPreview(nullptr); // returns once the window is closed
    QVERIFY(wasModal);
    QCOMPARE(actions,
             QStringList({"actStampa", "actIngrandisci", "actRiduci", "actSchermoIntero", "actChiudi"}));
    QCOMPARE(previewPages, engine.pageCount());
}

void TestReportPreview::zoomFullScreenAndPrint() {
    TempProgramFolder folder;
    ScriptedPrinter printer;
    printer.outputFile = folder.file(QStringLiteral("dall_anteprima.pdf"));
    ReportEngine engine;
    QVERIFY(ListReport::fill(engine, QStringLiteral("Titolo"), {QStringLiteral("riga")}));
    QVERIFY(engine.prepare());
    qreal before = 0, zoomedIn = 0, zoomedOut = 0;
    bool full = false, normalAgain = false;
    whenModal([&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        if (!preview) {
            w->close();
            return;
        }
        before = preview->view->zoomFactor();
        preview->actIngrandisci->trigger();
        zoomedIn = preview->view->zoomFactor();
        preview->actRiduci->trigger();
        preview->actRiduci->trigger();
        zoomedOut = preview->view->zoomFactor();
        preview->actSchermoIntero->trigger();
        full = preview->isFullScreen();
        preview->actSchermoIntero->trigger();
        normalAgain = !preview->isFullScreen();
        preview->actStampa->trigger(); // the scripted print dialog answers at once
        preview->actChiudi->trigger();
    });
    engine.showPreview(nullptr);
    QVERIFY(zoomedIn > before);
    QVERIFY(zoomedOut < before);
    QVERIFY(full);
    QVERIFY(normalAgain);
    QCOMPARE(printer.calls, 1);
    QVERIFY(QFile::exists(printer.outputFile));
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
