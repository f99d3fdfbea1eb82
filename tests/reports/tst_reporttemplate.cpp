// Loading report templates and finding their objects.
#include "reports/ReportEngine.h"
#include "reports/ReportUnits.h"
#include "reports/TemplateReader.h"

#include <QDir>
#include <QtTest>

class TestReportTemplate : public QObject {
    Q_OBJECT
private slots:
    void shippedTemplatesLoad_data();
    void shippedTemplatesLoad();
    void shippedTemplatesHaveTheirObjects();
    void findIgnoresCase();
    void geometryInMillimetres();
    void memoTextBreaksIntoLines();
    void faultyTemplatesAreRefused_data();
    void faultyTemplatesAreRefused();
};

void TestReportTemplate::shippedTemplatesLoad_data() {
    QTest::addColumn<QString>("file");
    const QStringList files = QDir(QStringLiteral(":/reports")).entryList({QStringLiteral("*.json")});
    QVERIFY(!files.isEmpty());
    for (const QString &f : files)
        QTest::newRow(qPrintable(f)) << QStringLiteral(":/reports/") + f;
}

void TestReportTemplate::shippedTemplatesLoad() {
    QFETCH(QString, file);
    ReportEngine engine;
    QVERIFY2(engine.load(file), qPrintable(engine.errorString()));
    QVERIFY2(engine.prepare(), qPrintable(engine.errorString()));
    for (const PreparedPage &page : engine.prepared().pages)
        QCOMPARE(page.paper, QPageSize::A4);
}

void TestReportTemplate::shippedTemplatesHaveTheirObjects() {
    struct Expected {
        const char *file;
        QPageLayout::Orientation orientation;
        QStringList objects;
        QStringList bands;
    };
    const Expected expected[] = {
        {":/reports/Riepilogo.json",
         QPageLayout::Landscape,
         {"txtTitolo", "txtRiepilogo", "txtPagina"},
         {"ReportTitle", "MasterData", "Footer"}},
        {":/reports/SchedaAppuntamento.json",
         QPageLayout::Portrait,
         {"titArcataSup", "txtData", "txtOra", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto",
          "txtTel", "txtCel", "txtEmail", "txtLuogo", "txtImporto", "txtNote", "txtOttemperata", "txtCalce"},
         {}},
        {":/reports/Guida.json",
         QPageLayout::Portrait,
         {"txtCapitolo", "txtTesto", "txtPagina"},
         {"Capitolo"}},
    };
    for (const Expected &e : expected) {
        ReportEngine engine;
        QVERIFY2(engine.load(QLatin1String(e.file)), qPrintable(engine.errorString()));
        const ReportPage &page = engine.report().pages.first();
        QCOMPARE(page.orientation, e.orientation);
        // 10 mm margins on the list and card reports.
        if (QLatin1String(e.file) != QLatin1String(":/reports/Guida.json"))
            QCOMPARE(page.margins, QMarginsF(37.795275590551185, 37.795275590551185, 37.795275590551185,
                                             37.795275590551185));
        for (const QString &name : e.objects)
            QVERIFY2(engine.findObject(name), qPrintable(QLatin1String(e.file) + QLatin1Char(' ') + name));
        for (const QString &name : e.bands)
            QVERIFY2(engine.findBand(name), qPrintable(QLatin1String(e.file) + QLatin1Char(' ') + name));
    }
}

void TestReportTemplate::findIgnoresCase() {
    ReportTemplate t;
    QString error;
    QVERIFY2(TemplateReader::parse(R"({"name": "t", "pages": [
        {"objects": [{"name": "txtlingue", "kind": "memo", "rect": [0, 0, 10, 5]}]},
        {"name": "Page2", "bands": [{"name": "MasterData", "kind": "MasterData", "height": 10,
            "objects": [{"name": "picClausole", "kind": "picture", "rect": [0, 0, 10, 10]}]}]}]})",
                                   &t, &error),
             qPrintable(error));
    QCOMPARE(t.findObject(QStringLiteral("txtLingue")), t.findObject(QStringLiteral("TXTLINGUE")));
    QVERIFY(t.findObject(QStringLiteral("txtLingue")));
    QCOMPARE(t.findObject(QStringLiteral("txtLingue"))->name, QStringLiteral("txtlingue"));
    QVERIFY(t.findObject(QStringLiteral("PICCLAUSOLE")));
    QCOMPARE(t.findObject(QStringLiteral("PICCLAUSOLE"))->kind, ReportObjectKind::Picture);
    QVERIFY(t.findBand(QStringLiteral("masterdata")));
    QVERIFY(t.findPage(QStringLiteral("page2")));
    QVERIFY(!t.findObject(QStringLiteral("txtLingu")));
    QVERIFY(!t.findObject(QString()));

    ReportEngine engine;
    engine.setTemplate(t);
    QVERIFY(engine.setText(QStringLiteral("TxtLingue"), QStringLiteral("inglese")));
    QCOMPARE(t.findObject(QStringLiteral("txtlingue"))->text(), QString()); // the engine holds its own copy
    QCOMPARE(engine.findObject(QStringLiteral("txtlingue"))->text(), QStringLiteral("inglese"));
    QVERIFY(!engine.setText(QStringLiteral("txtNessuno"), QStringLiteral("x")));
    QVERIFY(engine.errorString().contains(QStringLiteral("txtNessuno")));
    QVERIFY(!engine.setPicture(QStringLiteral("txtlingue"), QImage(2, 2, QImage::Format_RGB32)));
}

void TestReportTemplate::geometryInMillimetres() {
    ReportTemplate t;
    QString error;
    QVERIFY2(TemplateReader::parse(R"({"pages": [{"orientation": "landscape", "margins": [10, 5, 20, 15],
        "objects": [{"name": "m", "kind": "memo", "rect": [25.4, 50.8, 254, 12.7],
                     "padding": [1, 2, 3, 4], "lineHeight": 12.822}]}]})",
                                   &t, &error),
             qPrintable(error));
    const ReportPage &page = t.pages.first();
    // A4 is 210 x 297 mm: 793.7 x 1122.5 units, turned for landscape.
    QCOMPARE(qRound(page.paperSize().width() * 10), 11225);
    QCOMPARE(qRound(page.paperSize().height() * 10), 7937);
    QCOMPARE(page.printableArea().topLeft(), QPointF(ReportUnits::fromMm(10), ReportUnits::fromMm(5)));
    const ReportObject *m = t.findObject(QStringLiteral("m"));
    QCOMPARE(m->rect, QRectF(96, 192, 960, 48)); // one inch is 96 units
    QCOMPARE(m->padding, QMarginsF(1, 2, 3, 4)); // already in units
    QCOMPARE(m->lineHeight, 12.822);
}

void TestReportTemplate::memoTextBreaksIntoLines() {
    ReportObject o;
    o.setText(QStringLiteral("uno\r\ndue\ntre\rquattro"));
    QCOMPARE(o.lines(), QStringList({"uno", "due", "tre", "quattro"}));
    QCOMPARE(o.text(), QStringLiteral("uno\ndue\ntre\nquattro"));
    o.setText(QString());
    QVERIFY(o.lines().isEmpty());
    o.addLine(QStringLiteral("  a  "));
    o.addLine(QString());
    QCOMPARE(o.lines(), QStringList({"  a  ", ""})); // lines are kept as given
}

void TestReportTemplate::faultyTemplatesAreRefused_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    const QByteArray memo =
        R"({"pages": [{"objects": [{"name": "m", "kind": "memo", "rect": [0, 0, 1, 1], %1}]}]})";
    auto withMemo = [&memo](const char *extra) { return QByteArray(memo).replace("%1", extra); };
    QTest::newRow("not json") << QByteArray("{pages: ") << "JSON";
    QTest::newRow("no pages") << QByteArray(R"({"pages": []})") << "no pages";
    QTest::newRow("misspelt key") << withMemo(R"("wordwrap": false)") << "unknown key \"wordwrap\"";
    QTest::newRow("bad colour") << withMemo(R"("color": "#12345G")") << "colour";
    QTest::newRow("bad alignment") << withMemo(R"("align": "middle")") << "align";
    QTest::newRow("bad frame side") << withMemo(R"("frame": {"sides": ["up"]})") << "frame side";
    QTest::newRow("unknown kind")
        << QByteArray(R"({"pages": [{"objects": [{"name": "m", "kind": "text", "rect": [0, 0, 1, 1]}]}]})")
        << "kind";
    QTest::newRow("short rect")
        << QByteArray(R"({"pages": [{"objects": [{"name": "m", "kind": "memo", "rect": [0, 0, 1]}]}]})")
        << "rect";
    QTest::newRow("nameless object")
        << QByteArray(R"({"pages": [{"objects": [{"kind": "memo", "rect": [0, 0, 1, 1]}]}]})") << "name";
    QTest::newRow("missing picture")
        << QByteArray(R"({"pages": [{"objects": [{"name": "p", "kind": "picture", "rect": [0, 0, 1, 1],
                         "image": ":/nowhere.png"}]}]})")
        << "cannot load";
    QTest::newRow("unknown band kind")
        << QByteArray(R"({"pages": [{"bands": [{"name": "b", "kind": "Detail", "height": 5}]}]})")
        << "band kind";
    QTest::newRow("band without height")
        << QByteArray(R"({"pages": [{"bands": [{"name": "b", "kind": "MasterData"}]}]})") << "height";
    QTest::newRow("unknown paper") << QByteArray(R"({"pages": [{"paper": "A3"}]})") << "paper";
}

void TestReportTemplate::faultyTemplatesAreRefused() {
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    ReportTemplate t;
    t.name = QStringLiteral("before");
    QString error;
    QVERIFY(!TemplateReader::parse(json, &t, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(t.name, QStringLiteral("before")); // untouched on failure

    ReportEngine engine;
    QVERIFY(!engine.load(QStringLiteral(":/reports/none.json")));
    QVERIFY(engine.errorString().contains(QStringLiteral("none.json")));
}

QTEST_MAIN(TestReportTemplate)
#include "tst_reporttemplate.moc"
