// Laying templates out on pages: bands, splitting between lines, repeated
// rows, growing memos, orientation.
#include "reports/ReportEngine.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"
#include "reports/ReportUnits.h"
#include "reports/TemplateReader.h"

#include <QFontMetricsF>
#include <QtTest>

namespace {

constexpr double mm = ReportUnits::fromMm(1);

ReportTemplate parsed(const QByteArray &json) {
    ReportTemplate t;
    QString error;
    if (!TemplateReader::parse(json, &t, &error))
        qFatal("fixture template: %s", qPrintable(error));
    return t;
}

// A4 portrait, 10 mm margins: a 10 mm title, a splittable list of lines 10
// units apart and a 10 mm page footer.
const QByteArray listTemplate = R"({"title": "Lista", "pages": [{"margins": 10, "bands": [
    {"name": "Titolo", "kind": "ReportTitle", "height": 10,
     "objects": [{"name": "txtTitolo", "kind": "memo", "rect": [0, 0, 190, 10], "text": "Titolo"}]},
    {"name": "Dati", "kind": "MasterData", "height": 10, "allowSplit": true,
     "objects": [{"name": "txtLista", "kind": "memo", "rect": [0, 0, 190, 5], "wordWrap": false,
                  "lineHeight": 10, "padding": [2, 0, 2, 0]}]},
    {"name": "Piede", "kind": "PageFooter", "height": 10,
     "objects": [{"name": "txtPiede", "kind": "memo", "rect": [0, 0, 190, 10], "text": "Piede"}]}]}]})";

QList<const PreparedItem *> itemsNamed(const PreparedPage &page, const QString &name) {
    QList<const PreparedItem *> out;
    for (const PreparedItem &item : page.items)
        if (item.source->object.name == name)
            out.append(&item);
    return out;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void listSplitsBetweenLines_data();
    void listSplitsBetweenLines();
    void bandThatDoesNotFitMovesToNextPage();
    void repeatedRowsWithGrowingMemo();
    void wordWrapKeepsEveryWordInsideTheBox();
    void orientationTurnsEveryPage();
    void pagesWithoutBands();
};

void TestReportLayout::listSplitsBetweenLines_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    // Printable height 277 mm = 1046.9 units: page 1 holds 971.3 units between
    // title and footer (97 lines), the next pages 1009.1 (100 lines).
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("one line") << 1 << 1;
    QTest::newRow("page 1 full") << 97 << 1;
    QTest::newRow("one more") << 98 << 2;
    QTest::newRow("page 2 full") << 197 << 2;
    QTest::newRow("long") << 500 << 6;
}

void TestReportLayout::listSplitsBetweenLines() {
    QFETCH(int, lines);
    QFETCH(int, pages);
    ReportEngine engine;
    engine.setTemplate(parsed(listTemplate));
    QStringList list;
    for (int i = 0; i < lines; ++i)
        list.append(QStringLiteral("riga %1").arg(i + 1));
    QVERIFY(engine.setLines(QStringLiteral("txtLista"), list));
    QVERIFY(engine.setHeight(QStringLiteral("txtLista"), lines * 10.0));
    QVERIFY(engine.setHeight(QStringLiteral("Dati"), lines * 10.0 + 10));
    QVERIFY(engine.prepare());
    const PreparedReport &r = engine.prepared();
    QCOMPARE(r.pages.size(), pages);

    const QRectF area = QRectF(0, 0, 210 * mm, 297 * mm).adjusted(10 * mm, 10 * mm, -10 * mm, -10 * mm);
    const double footerTop = area.bottom() - 10 * mm;
    QStringList shown;
    for (int p = 0; p < r.pages.size(); ++p) {
        const PreparedPage &page = r.pages.at(p);
        QCOMPARE(itemsNamed(page, QStringLiteral("txtTitolo")).size(), p == 0 ? 1 : 0);
        const auto footer = itemsNamed(page, QStringLiteral("txtPiede"));
        QCOMPARE(footer.size(), 1);
        QCOMPARE(footer.first()->box.top(), footerTop);
        const double contentTop = area.top() + (p == 0 ? 10 * mm : 0);
        for (const PreparedItem *item : itemsNamed(page, QStringLiteral("txtLista"))) {
            QVERIFY(item->box.top() >= contentTop - 1e-6);
            QVERIFY(item->box.bottom() <= footerTop + 1e-6);
            for (int i = item->firstLine; i < item->endLine; ++i) {
                const double top = item->textTop + i * 10;
                QVERIFY2(top >= item->box.top() - 1e-6 && top + 10 <= item->box.bottom() + 1e-6,
                         qPrintable(QStringLiteral("line %1 sliced on page %2").arg(i).arg(p + 1)));
                shown.append(item->source->lines.at(i));
            }
        }
    }
    QCOMPARE(shown, list); // every line once, in order
}

void TestReportLayout::bandThatDoesNotFitMovesToNextPage() {
    const QByteArray json = R"({"pages": [{"margins": 10, "bands": [
        {"name": "A", "kind": "MasterData", "height": 150,
         "objects": [{"name": "shpA", "kind": "shape", "rect": [0, 0, 190, 150]}]},
        {"name": "B", "kind": "MasterData", "height": 150,
         "objects": [{"name": "shpB", "kind": "shape", "rect": [0, 0, 190, 150]},
                     {"name": "txtB", "kind": "memo", "rect": [0, 0, 190, 150], "text": "b"}]}]}]})";
    PreparedReport r = ReportLayout::prepare(parsed(json));
    QCOMPARE(r.pages.size(), 2);
    QCOMPARE(itemsNamed(r.pages[0], QStringLiteral("shpA")).first()->box,
             QRectF(10 * mm, 10 * mm, 190 * mm, 150 * mm));
    QCOMPARE(itemsNamed(r.pages[1], QStringLiteral("shpB")).first()->box,
             QRectF(10 * mm, 10 * mm, 190 * mm, 150 * mm));
    QVERIFY(itemsNamed(r.pages[0], QStringLiteral("shpB")).isEmpty());

    // The same band allowed to split keeps its place and continues on page 2.
    ReportTemplate t = parsed(json);
    t.findBand(QStringLiteral("B"))->allowSplit = true;
    r = ReportLayout::prepare(t);
    QCOMPARE(r.pages.size(), 2);
    const PreparedItem *first = itemsNamed(r.pages[0], QStringLiteral("shpB")).value(0);
    QVERIFY(first);
    QCOMPARE(first->box.top(), 160 * mm);
}

void TestReportLayout::repeatedRowsWithGrowingMemo() {
    const QByteArray json = R"({"pages": [{"margins": 10, "bands": [
        {"name": "Capitolo", "kind": "MasterData", "height": 20,
         "objects": [{"name": "txtCapitolo", "kind": "memo", "rect": [0, 0, 190, 8], "wordWrap": false},
                     {"name": "txtTesto", "kind": "memo", "rect": [0, 10, 60, 5], "autoHeight": true,
                      "padding": [2, 1, 2, 1]},
                     {"name": "linSotto", "kind": "line", "rect": [0, 17, 190, 0]}]}]}]})";
    ReportTemplate t = parsed(json);
    const QString longText = QStringLiteral("parola ").repeated(60).trimmed();
    t.findBand(QStringLiteral("capitolo"))
        ->setRows({{{"txtCapitolo", "Primo"}, {"TXTTESTO", "breve"}},
                   {{"txtCapitolo", "Secondo"}, {"txtTesto", longText}},
                   {{"txtCapitolo", "Terzo"}, {"txtTesto", "breve"}}});
    const PreparedReport r = ReportLayout::prepare(t);
    QCOMPARE(r.pages.size(), 1);
    const auto titles = itemsNamed(r.pages[0], QStringLiteral("txtCapitolo"));
    const auto texts = itemsNamed(r.pages[0], QStringLiteral("txtTesto"));
    const auto rules = itemsNamed(r.pages[0], QStringLiteral("linSotto"));
    QCOMPARE(titles.size(), 3);
    QCOMPARE(titles[0]->source->lines, QStringList{"Primo"});
    QCOMPARE(titles[1]->source->lines, QStringList{"Secondo"});
    QCOMPARE(titles[2]->source->lines, QStringList{"Terzo"});
    QCOMPARE(texts[0]->source->lines, QStringList{"breve"}); // row keys match any case

    // A short text keeps the designed height; the long one grows with its lines
    // and pushes the rule below it and the next row down by as much.
    QCOMPARE(texts[0]->box.height(), 5 * mm);
    QCOMPARE(titles[1]->box.top() - titles[0]->box.top(), 20 * mm);
    const PreparedObject &grown = *texts[1]->source;
    QVERIFY(grown.lines.size() > 5);
    const double needed = 1 + grown.lines.size() * grown.pitch + 1;
    QVERIFY(qFuzzyCompare(texts[1]->box.height(), needed));
    const double growth = needed - 5 * mm;
    QVERIFY(qFuzzyCompare(rules[1]->box.top() - titles[1]->box.top(), 17 * mm + growth));
    QVERIFY(qFuzzyCompare(titles[2]->box.top() - titles[1]->box.top(), 20 * mm + growth));
    QCOMPARE(grown.lines.join(QLatin1Char(' ')), longText);
}

void TestReportLayout::wordWrapKeepsEveryWordInsideTheBox() {
    ReportObject memo;
    memo.rect = QRectF(0, 0, 40 * mm, 50 * mm);
    memo.font.family = QStringLiteral("Arial");
    memo.font.size = 10;
    const QString text =
        QStringLiteral("Servizi richiesti: pulizia vetri, lavaggio pavimenti e sanificazione "
                       "bagni; UnaParolaMoltoLungaCheNonStaInUnaSolaRigaDelRiquadro fine.");
    memo.setText(text);
    const PreparedObject p = ReportLayout::measure(memo);
    QVERIFY(p.lines.size() > 3);
    const QFontMetricsF fm(ReportFonts::font(memo.font), ReportFonts::measureDevice());
    for (const QString &line : p.lines)
        QVERIFY2(fm.horizontalAdvance(line) / ReportFonts::measureScale <= memo.rect.width() - 4 + 0.01,
                 qPrintable(line));
    QCOMPARE(p.lines.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));

    memo.wordWrap = false;
    QCOMPARE(ReportLayout::measure(memo).lines, QStringList{text});
}

void TestReportLayout::orientationTurnsEveryPage() {
    ReportEngine engine;
    engine.setTemplate(
        parsed(R"({"pages": [{"margins": 10}, {"margins": 10, "orientation": "landscape"}]})"));
    QVERIFY(engine.prepare());
    QCOMPARE(engine.prepared().pages[0].orientation, QPageLayout::Portrait);
    QCOMPARE(engine.prepared().pages[1].orientation, QPageLayout::Landscape);
    engine.setOrientation(QPageLayout::Landscape);
    QVERIFY(engine.prepare());
    for (const PreparedPage &page : engine.prepared().pages) {
        QCOMPARE(page.orientation, QPageLayout::Landscape);
        QCOMPARE(qRound(page.size.width()), qRound(297 * mm));
        QCOMPARE(qRound(page.size.height()), qRound(210 * mm));
        QCOMPARE(page.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(page.pageLayout().pageSize().id(), QPageSize::A4);
    }
}

void TestReportLayout::pagesWithoutBands() {
    const QByteArray json = R"({"pages": [
        {"name": "Page1", "margins": 10, "objects": [
            {"name": "txtTitolo", "kind": "memo", "rect": [84, 2.5, 104, 5], "text": "CONTRATTO"},
            {"name": "linFirma", "kind": "line", "rect": [2, 230, 78, 0]},
            {"name": "hidden", "kind": "memo", "rect": [0, 0, 10, 10], "visible": false}]},
        {"name": "Page2", "margins": 10, "objects": [
            {"name": "picClausole", "kind": "picture", "rect": [0, 0, 190, 277]}]}]})";
    const PreparedReport r = ReportLayout::prepare(parsed(json));
    QCOMPARE(r.pages.size(), 2);
    QCOMPARE(r.pages[0].items.size(), 2);
    QCOMPARE(itemsNamed(r.pages[0], QStringLiteral("txtTitolo")).first()->box,
             QRectF(94 * mm, 12.5 * mm, 104 * mm, 5 * mm));
    QCOMPARE(itemsNamed(r.pages[0], QStringLiteral("linFirma")).first()->box,
             QRectF(12 * mm, 240 * mm, 78 * mm, 0));
    QCOMPARE(itemsNamed(r.pages[1], QStringLiteral("picClausole")).first()->box,
             QRectF(10 * mm, 10 * mm, 190 * mm, 277 * mm));
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
