// The manual Guida.pdf made from help texts.
#include "PdfText.h"
#include "TestEnv.h"
#include "reports/Manual.h"

#include <QtTest>

namespace {

QList<HelpText> chapters() {
    QStringList many;
    for (int i = 1; i <= 40; ++i)
        many.append(
            QStringLiteral("Paragrafo %1 del capitolo lungo: il testo va a capo quando non sta nella "
                           "larghezza della pagina e continua sulla pagina successiva senza perdere parole.")
                .arg(i));
    return {
        {QStringLiteral("Uno sguardo a Tersalia"),
         {QStringLiteral("Tersalia gestisce clienti, dipendenti, appuntamenti e contratti."),
          QStringLiteral("Ogni archivio è un file nella cartella del programma.")}},
        {QStringLiteral("App Schedario Appuntamenti"), many},
        {QStringLiteral("Esportazione archivio appuntamenti in Excel"),
         {QStringLiteral("L'esportazione scrive ogni scheda in un foglio di calcolo.")}},
    };
}

QString words(const QString &text) { return text.simplified(); }

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chaptersInOrderOnNumberedPages();
    void writtenOnlyWhenMissing();
};

void TestManual::initTestCase() {
    if (!PdfText::toolsAvailable())
        QSKIP("poppler-utils are needed to read the manual");
}

void TestManual::chaptersInOrderOnNumberedPages() {
    TempProgramFolder folder;
    const QString file = folder.file(QStringLiteral("Guida.pdf"));
    QString error;
    QVERIFY2(Manual::write(chapters(), file, &error), qPrintable(error));

    const auto info = PdfText::info(file);
    QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Guida all'utilizzo del software"));
    QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Manuale d'uso di Tersalia"));
    QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Tersalia"));

    const PdfText pdf(file);
    QVERIFY(pdf.pageCount() >= 3);
    for (int p = 0; p < pdf.pageCount(); ++p)
        QVERIFY(pdf.pageText(p).contains(QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pdf.pageCount())));
    // Every title and every paragraph, in order, nothing lost at the page breaks.
    // The text above the page footers (15 mm margins, a 9 mm footer band).
    const QRectF body(0, 0, 595, (297 - 15 - 9) * 72 / 25.4);
    QString all;
    for (int p = 0; p < pdf.pageCount(); ++p)
        all += QLatin1Char(' ') + pdf.textIn(p, body);
    all = words(all);
    qsizetype at = 0;
    int n = 0;
    for (const HelpText &h : chapters()) {
        const QString title = QStringLiteral("%1. %2").arg(++n).arg(h.title);
        at = all.indexOf(title, at);
        QVERIFY2(at >= 0, qPrintable(title));
        for (const QString &paragraph : h.paragraphs) {
            at = all.indexOf(words(paragraph), at);
            QVERIFY2(at >= 0, qPrintable(paragraph));
        }
    }
}

void TestManual::writtenOnlyWhenMissing() {
    TempProgramFolder folder;
    QVERIFY(Manual::ensureInProgramFolder(chapters()));
    QVERIFY(folder.read(QStringLiteral("Guida.pdf")).startsWith("%PDF"));

    folder.write(QStringLiteral("Guida.pdf"), "%PDF-1.4 the office's own manual");
    QVERIFY(Manual::ensureInProgramFolder(chapters()));
    QCOMPARE(folder.read(QStringLiteral("Guida.pdf")), QByteArray("%PDF-1.4 the office's own manual"));
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
