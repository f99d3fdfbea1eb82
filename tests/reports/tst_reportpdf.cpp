// What a reader finds in the pages the engine draws: texts in their boxes,
// cut lines, aligned columns, fitted pictures, page numbers and the PDF's
// document information.
#include "PdfText.h"
#include "TestEnv.h"
#include "reports/ReportEngine.h"
#include "reports/ReportFonts.h"
#include "reports/ReportUnits.h"
#include "reports/TemplateReader.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QtTest>

namespace {

constexpr double mm = ReportUnits::fromMm(1);

const QByteArray sheet = R"({"title": "Prova", "pages": [{"margins": 10, "objects": [
    {"name": "txtSinistra", "kind": "memo", "rect": [0, 0, 90, 8], "font": {"family": "Arial", "size": 10}},
    {"name": "txtCentro", "kind": "memo", "rect": [100, 0, 90, 8], "align": "center", "valign": "center",
     "font": {"family": "Verdana", "size": 9, "bold": true}, "color": "#FFFFFF", "fill": "#708090"},
    {"name": "txtDestra", "kind": "memo", "rect": [0, 20, 90, 8], "align": "right", "frame": {"sides": "all"}},
    {"name": "txtTaglio", "kind": "memo", "rect": [0, 40, 40, 8], "wordWrap": false, "padding": [2, 0, 2, 0],
     "font": {"family": "Courier New", "size": 10}},
    {"name": "txtACapo", "kind": "memo", "rect": [0, 60, 40, 30], "font": {"family": "Courier New", "size": 10}},
    {"name": "txtRiquadro", "kind": "memo", "rect": [100, 40, 60, 12], "frame": {"sides": "all", "width": 2},
     "font": {"family": "Arial", "size": 10}},
    {"name": "txtColonne", "kind": "memo", "rect": [0, 100, 190, 20], "wordWrap": false,
     "font": {"family": "Courier New", "size": 8}},
    {"name": "imgFoto", "kind": "picture", "rect": [0, 130, 60, 60]}]}]})";

QRectF pageBox(const ReportEngine &engine, const QString &name) {
    // Objects on the page are placed from the 10 mm margins.
    return engine.report().findObject(name)->rect.translated(10 * mm, 10 * mm);
}

class Fixture {
public:
    Fixture() {
        QString error;
        ReportTemplate t;
        if (!TemplateReader::parse(sheet, &t, &error))
            qFatal("fixture: %s", qPrintable(error));
        engine.setTemplate(t);
    }
    ReportEngine engine;
    TempProgramFolder folder;
    QString pdf(const QString &name = QStringLiteral("prova.pdf")) const { return folder.file(name); }
};

QRect redArea(const QImage &image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textsStayInTheirBoxes();
    void lineWithoutWrapIsCutAtTheBoxEdge();
    void tooLongForItsBoxEndsAtTheLastWholeLine();
    void fixedColumnsLineUp();
    void pictureIsFittedIntoItsBox_data();
    void pictureIsFittedIntoItsBox();
    void pageNumbers();
    void documentInformation_data();
    void documentInformation();
    void uncompressedOnRequest();
    void exportReplacesOrFails();
};

void TestReportPdf::initTestCase() {
    if (!PdfText::toolsAvailable())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are needed to read the PDF files");
}

void TestReportPdf::textsStayInTheirBoxes() {
    Fixture f;
    const struct {
        const char *object;
        QString text;
    } texts[] = {
        {"txtSinistra", QStringLiteral("Modalità di pagamento: bonifico")},
        {"txtCentro", QStringLiteral("SCHEDA APPUNTAMENTO")},
        {"txtDestra", QStringLiteral("€ 1250,00")},
    };
    for (const auto &t : texts)
        QVERIFY(f.engine.setText(QLatin1String(t.object), t.text));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings()));
    const PdfText pdf(f.pdf());
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), 1);
    for (const auto &t : texts)
        QCOMPARE(pdf.textIn(0, PdfText::points(pageBox(f.engine, QLatin1String(t.object)))), t.text);

    // Right-aligned text ends at the box edge less the padding; centred text sits in the middle.
    const QRectF right = PdfText::points(pageBox(f.engine, QStringLiteral("txtDestra")));
    double xMax = 0;
    for (const PdfWord &w : pdf.words(0))
        if (right.contains(w.box.center()))
            xMax = std::max(xMax, w.box.right());
    QVERIFY2(std::abs(xMax - (right.right() - 2 * 0.75)) < 1.0, qPrintable(QString::number(xMax)));
    const QRectF centre = PdfText::points(pageBox(f.engine, QStringLiteral("txtCentro")));
    QRectF words;
    for (const PdfWord &w : pdf.words(0))
        if (centre.contains(w.box.center()))
            words |= w.box;
    QVERIFY2(std::abs(words.center().x() - centre.center().x()) < 1.0,
             qPrintable(QString::number(words.center().x())));
    QVERIFY(std::abs(words.center().y() - centre.center().y()) < 2.0);
}

void TestReportPdf::lineWithoutWrapIsCutAtTheBoxEdge() {
    Fixture f;
    const QString text = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QVERIFY(f.engine.setText(QStringLiteral("txtTaglio"), text));
    QVERIFY(f.engine.setText(QStringLiteral("txtACapo"),
                             QStringLiteral("uno due tre quattro cinque sei sette otto")));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings()));
    const PdfText pdf(f.pdf());

    // A 40 mm box (151.2 units) with 2 units of padding; Courier New 10 pt
    // advances 8 units (0.6 em) a character: the 19 characters starting left
    // of the edge show, the last one cut.
    const int visible = 19;
    const QRectF box = PdfText::points(pageBox(f.engine, QStringLiteral("txtTaglio")));
    QCOMPARE(pdf.textIn(0, box.adjusted(0, 0, 20, 0)), text.left(visible));
    QVERIFY(!pdf.pageText(0).contains(text.mid(visible, 3)));

    // With word wrap the same box width keeps every word, on several lines inside it.
    const QRectF wrapped = PdfText::points(pageBox(f.engine, QStringLiteral("txtACapo")));
    const QString inside = pdf.textIn(0, wrapped);
    QVERIFY(inside.count(QLatin1Char('\n')) >= 2);
    QCOMPARE(QString(inside).replace(QLatin1Char('\n'), QLatin1Char(' ')),
             QStringLiteral("uno due tre quattro cinque sei sette otto"));
    for (const PdfWord &w : pdf.words(0))
        if (wrapped.contains(w.box.center()))
            QVERIFY2(w.box.right() <= wrapped.right() + 0.1, qPrintable(w.text));
}

// A framed, word-wrapped box 12 mm high holds two lines of Arial 10: a longer
// text shows those two whole lines, nothing of the third, inside the frame.
void TestReportPdf::tooLongForItsBoxEndsAtTheLastWholeLine() {
    Fixture f;
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words.append(QStringLiteral("parola%1").arg(i));
    QVERIFY(f.engine.setText(QStringLiteral("txtRiquadro"), words.join(QLatin1Char(' '))));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings()));
    const PdfText pdf(f.pdf());
    const QRectF box = PdfText::points(pageBox(f.engine, QStringLiteral("txtRiquadro")));
    QList<double> lineTops;
    QStringList shown;
    for (const PdfWord &w : pdf.words(0)) {
        if (!w.box.intersects(box))
            continue;
        shown.append(w.text);
        QVERIFY2(w.box.bottom() <= box.bottom() + 0.2,
                 qPrintable(w.text + QStringLiteral(" crosses the bottom")));
        if (!lineTops.contains(w.box.top()))
            lineTops.append(w.box.top());
    }
    QCOMPARE(lineTops.size(), 2);
    QVERIFY(shown.size() > 4);
    QCOMPARE(shown, words.mid(0, shown.size())); // the first words, in order, none lost between
}

void TestReportPdf::fixedColumnsLineUp() {
    Fixture f;
    QVERIFY(
        f.engine.setLines(QStringLiteral("txtColonne"), {QStringLiteral("Rossi Mario     12/03/2024  Sì"),
                                                         QStringLiteral("Li Wu           01/01/2025  No"),
                                                         QStringLiteral("WWWWWWWWWWWWWW  31/12/2023  Sì")}));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings()));
    const PdfText pdf(f.pdf());
    QList<double> dates, flags;
    for (const PdfWord &w : pdf.words(0)) {
        if (w.text.contains(QLatin1Char('/')))
            dates.append(w.box.left());
        if (w.text == QStringLiteral("Sì") || w.text == QStringLiteral("No"))
            flags.append(w.box.left());
    }
    QCOMPARE(dates.size(), 3);
    QCOMPARE(flags.size(), 3);
    for (int i = 1; i < 3; ++i) {
        QVERIFY(std::abs(dates[i] - dates[0]) < 0.05);
        QVERIFY(std::abs(flags[i] - flags[0]) < 0.05);
    }
    // "Courier New" is a fixed-pitch face here too (itself or its metric twin).
    const QFontInfo info(ReportFonts::font({QStringLiteral("Courier New"), 8}));
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
}

void TestReportPdf::pictureIsFittedIntoItsBox_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("keepAspect");
    QTest::addColumn<QRectF>("expectedMm"); // inside the 60 x 60 mm box
    QTest::newRow("wide") << QSize(200, 100) << true << QRectF(0, 15, 60, 30);
    QTest::newRow("tall") << QSize(100, 300) << true << QRectF(20, 0, 20, 60);
    QTest::newRow("small photo grows") << QSize(12, 9) << true << QRectF(0, 7.5, 60, 45);
    QTest::newRow("huge photo") << QSize(4000, 2000) << true << QRectF(0, 15, 60, 30);
    QTest::newRow("stretched") << QSize(200, 100) << false << QRectF(0, 0, 60, 60);
}

void TestReportPdf::pictureIsFittedIntoItsBox() {
    QFETCH(QSize, picture);
    QFETCH(bool, keepAspect);
    QFETCH(QRectF, expectedMm);
    Fixture f;
    QImage red(picture, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(f.engine.setPicture(QStringLiteral("IMGFOTO"), red));
    f.engine.findObject(QStringLiteral("imgFoto"))->keepAspect = keepAspect;
    QVERIFY(f.engine.prepare());
    const QImage page = f.engine.pageImage(0, 96);
    QCOMPARE(page.size(), QSize(794, 1123)); // A4 at 96 dpi
    const QRectF box = pageBox(f.engine, QStringLiteral("imgFoto"));
    const QRectF expected(box.left() + expectedMm.left() * mm, box.top() + expectedMm.top() * mm,
                          expectedMm.width() * mm, expectedMm.height() * mm);
    const QRect found = redArea(page);
    QVERIFY2(std::abs(found.left() - expected.left()) <= 1.5 &&
                 std::abs(found.top() - expected.top()) <= 1.5 &&
                 std::abs(found.right() + 1 - expected.right()) <= 1.5 &&
                 std::abs(found.bottom() + 1 - expected.bottom()) <= 1.5,
             qPrintable(QStringLiteral("found %1,%2 %3x%4")
                            .arg(found.x())
                            .arg(found.y())
                            .arg(found.width())
                            .arg(found.height())));
}

void TestReportPdf::pageNumbers() {
    ReportTemplate t;
    QString error;
    QVERIFY2(TemplateReader::parse(R"({"pages": [{"margins": 10, "bands": [
        {"name": "Dati", "kind": "MasterData", "height": 10, "allowSplit": true,
         "objects": [{"name": "txtDati", "kind": "memo", "rect": [0, 0, 190, 10], "autoHeight": true}]},
        {"name": "Piede", "kind": "PageFooter", "height": 8,
         "objects": [{"name": "txtPagina", "kind": "memo", "rect": [0, 0, 190, 8], "align": "center",
                      "text": "Pagina [PAGE#] di [TOTALPAGES#]", "pageMacros": true},
                     {"name": "txtLetterale", "kind": "memo", "rect": [0, 0, 50, 8], "text": "[PAGE#]"}]}]}]})",
                                   &t, &error),
             qPrintable(error));
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines.append(QStringLiteral("riga"));
    t.findObject(QStringLiteral("txtDati"))->setLines(lines);
    ReportEngine engine;
    engine.setTemplate(t);
    TempProgramFolder folder;
    QVERIFY(engine.exportPdf(folder.file(QStringLiteral("p.pdf")), PdfSettings()));
    const PdfText pdf(folder.file(QStringLiteral("p.pdf")));
    QVERIFY(pdf.pageCount() >= 2);
    for (int i = 0; i < pdf.pageCount(); ++i) {
        QVERIFY(pdf.pageText(i).contains(QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(pdf.pageCount())));
        QVERIFY(pdf.pageText(i).contains(QStringLiteral("[PAGE#]"))); // only where asked for
    }
    QCOMPARE(pdf.allText().count(QStringLiteral("riga")), 150);
}

void TestReportPdf::documentInformation_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("portrait") << false << "595 x 842 pts (A4)";
    QTest::newRow("landscape") << true << "842 x 595 pts (A4)";
}

void TestReportPdf::documentInformation() {
    QFETCH(bool, landscape);
    QFETCH(QString, pageSize);
    Fixture f;
    f.engine.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    PdfSettings settings;
    settings.title = QStringLiteral("Scheda informativa");
    settings.subject = QStringLiteral("Scheda informativa – città");
    settings.author = QStringLiteral("Impresa Pulizie Sì");
    settings.creator = QStringLiteral("Tersalia");
    QVERIFY2(f.engine.exportPdf(f.pdf(), settings), qPrintable(f.engine.errorString()));
    const auto info = PdfText::info(f.pdf());
    QCOMPARE(info.value(QStringLiteral("Title")), settings.title);
    QCOMPARE(info.value(QStringLiteral("Subject")), settings.subject);
    QCOMPARE(info.value(QStringLiteral("Author")), settings.author);
    QCOMPARE(info.value(QStringLiteral("Creator")), settings.creator);
    QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(info.value(QStringLiteral("Page size")), pageSize);
    QCOMPARE(info.value(QStringLiteral("Encrypted")),
             QStringLiteral("no")); // printing, copying... all allowed
}

void TestReportPdf::uncompressedOnRequest() {
    Fixture f;
    QVERIFY(f.engine.setText(QStringLiteral("txtSinistra"), QStringLiteral("testo")));
    PdfSettings settings;
    QVERIFY(f.engine.exportPdf(f.pdf(QStringLiteral("z.pdf")), settings));
    settings.compress = false;
    QVERIFY(f.engine.exportPdf(f.pdf(QStringLiteral("plain.pdf")), settings));
    QVERIFY(f.folder.read(QStringLiteral("z.pdf")).contains("/FlateDecode"));
    QVERIFY(!f.folder.read(QStringLiteral("plain.pdf")).contains("/FlateDecode"));
    QCOMPARE(PdfText(f.pdf(QStringLiteral("plain.pdf"))).pageText(0), QStringLiteral("testo"));
}

void TestReportPdf::exportReplacesOrFails() {
    Fixture f;
    QVERIFY(f.engine.setText(QStringLiteral("txtSinistra"), QStringLiteral("primo")));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings()));
    QVERIFY(f.engine.setText(QStringLiteral("txtSinistra"), QStringLiteral("secondo")));
    QVERIFY(f.engine.exportPdf(f.pdf(), PdfSettings())); // no question, the earlier file is replaced
    QCOMPARE(PdfText(f.pdf()).pageText(0), QStringLiteral("secondo"));

    const QByteArray before = f.folder.read(QStringLiteral("prova.pdf"));
    QVERIFY(!f.engine.exportPdf(f.folder.file(QStringLiteral("manca/prova.pdf")), PdfSettings()));
    QVERIFY(!f.engine.errorString().isEmpty());
    QVERIFY(QDir().mkpath(f.folder.file(QStringLiteral("cartella.pdf"))));
    QVERIFY(!f.engine.exportPdf(f.folder.file(QStringLiteral("cartella.pdf")), PdfSettings()));
    QCOMPARE(f.folder.read(QStringLiteral("prova.pdf")), before);
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
