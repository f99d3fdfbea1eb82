// The manual Guida.pdf made from help texts.
#include "PdfText.h"
#include "TestEnv.h"
#include "reports/Manual.h"
#include "reports/PdfExport.h"

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
    void writtenAgainWhenTheHelpTextsChange();
    void aManualThatCannotBeReplacedStaysSilently();
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

// The manual follows the program's help texts: written when missing or made
// from other texts (an installation updated with new chapters), left alone
// when made from these, and kept as it is when it cannot be replaced.
void TestManual::writtenAgainWhenTheHelpTextsChange() {
    TempProgramFolder folder;
    const QString file = folder.file(QStringLiteral("Guida.pdf"));
    QVERIFY(Manual::ensureInProgramFolder(chapters()));
    QCOMPARE(PdfExport::infoEntry(file, Manual::stampKey()), Manual::stamp(chapters()));

    // Made from these texts: not written again (a mark added to the file stays).
    const QByteArray marked = folder.read(QStringLiteral("Guida.pdf")) + "%marked\n";
    folder.write(QStringLiteral("Guida.pdf"), marked);
    QVERIFY(Manual::ensureInProgramFolder(chapters()));
    QCOMPARE(folder.read(QStringLiteral("Guida.pdf")), marked);

    // A manual of an earlier version, with one chapter only, and a file with no stamp.
    const QList<HelpText> earlier = chapters().mid(0, 1);
    QVERIFY(Manual::stamp(earlier) != Manual::stamp(chapters()));
    for (int round = 0; round < 2; ++round) {
        if (round == 0)
            QVERIFY(Manual::write(earlier, file));
        else
            folder.write(QStringLiteral("Guida.pdf"), "%PDF-1.4 a manual without a stamp");
        QVERIFY(Manual::ensureInProgramFolder(chapters()));
        QCOMPARE(PdfExport::infoEntry(file, Manual::stampKey()), Manual::stamp(chapters()));
        const PdfText pdf(file);
        QVERIFY(words(pdf.pageText(pdf.pageCount() - 1)).contains(chapters().last().title));
    }
}

void TestManual::aManualThatCannotBeReplacedStaysSilently() {
    TempProgramFolder folder;
    const QString file = folder.file(QStringLiteral("Guida.pdf"));
    QVERIFY(Manual::write(chapters().mid(0, 1), file));
    const QByteArray before = folder.read(QStringLiteral("Guida.pdf"));
    ReadOnlyPath locked(folder.path());
    if (!locked.ok())
        QSKIP("the program folder cannot be made read-only here");
    ScriptedMessages messages;
    QVERIFY(Manual::ensureInProgramFolder(chapters()));
    QCOMPARE(folder.read(QStringLiteral("Guida.pdf")), before);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
