// The courtesy copy: a PDF that reads as the invoice (company, client, lines,
// summaries, totals, the notes the law asks for), marked as a copy.
#include "InvoiceSamples.h"
#include "PdfText.h"
#include "TestEnv.h"
#include "invoices/einvoice/Totals.h"
#include "invoices/print/CourtesyCopy.h"

#include <QtTest>

#include <memory>

namespace {

Invoice issued(Invoice invoice) {
    invoice.number = QStringLiteral("7");
    invoice.progressive = QStringLiteral("00012");
    return invoice;
}

QString pdfWords(const QString &path) {
    PdfText pdf(path);
    QStringList pages;
    for (int p = 0; p < pdf.pageCount(); ++p) {
        QStringList words;
        for (const PdfWord &w : pdf.words(p))
            words << w.text;
        pages << words.join(QLatin1Char(' '));
    }
    return pages.join(QLatin1Char(' '));
}

} // namespace

class TstCourtesyCopy : public QObject {
    Q_OBJECT
private slots:
    void init() { folder = std::make_unique<TempProgramFolder>(); }
    void cleanup() { folder.reset(); }
    void textsOfTheInvoice();
    void pdfReadsAsTheInvoice();

private:
    std::unique_ptr<TempProgramFolder> folder;
};

void TstCourtesyCopy::textsOfTheInvoice() {
    const Invoice invoice = issued(Samples::publicOffice());
    const InvoiceTotals totals = *Totals::of(invoice);
    QCOMPARE(CourtesyCopy::fileName(invoice), QStringLiteral("Fattura_7_2026.pdf"));
    QCOMPARE(CourtesyCopy::path(invoice),
             folder->file(QStringLiteral("Fatture_Elettroniche/2026/Fattura_7_2026.pdf")));
    const QStringList lines = CourtesyCopy::lineTexts(invoice, totals);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QStringLiteral("Pulizia scuola elementare")));
    QVERIFY(lines[0].endsWith(QStringLiteral("22,00%         347,00")));
    QVERIFY(lines[1].contains(QStringLiteral("2,5")) && lines[1].endsWith(QStringLiteral("200,25")));
    const QString total = CourtesyCopy::totalTexts(invoice, totals).join(QLatin1Char('\n')).simplified();
    QVERIFY(total.contains(QStringLiteral("TOTALE DOCUMENTO (EUR) 777,64")));
    QVERIFY(total.contains(QStringLiteral("NETTO A PAGARE (EUR) 647,24")));
    QVERIFY(CourtesyCopy::notes(invoice, totals)
                .contains(QStringLiteral("Scissione dei pagamenti art. 17-ter DPR 633/72")));

    // A long description continues under itself.
    Invoice long_ = issued(Samples::privatePerson());
    long_.lines = {
        Samples::line(QStringLiteral("Pulizia straordinaria degli uffici al secondo piano dopo i lavori di "
                                     "ristrutturazione"),
                      "1", "250")};
    const QStringList wrapped = CourtesyCopy::lineTexts(long_, *Totals::of(long_));
    QCOMPARE(wrapped.size(), 2);
    QCOMPARE(wrapped[1], QStringLiteral("piano dopo i lavori di ristrutturazione"));
}

void TstCourtesyCopy::pdfReadsAsTheInvoice() {
    if (!PdfText::toolsAvailable())
        QSKIP("poppler-utils is not installed");
    const Invoice invoice = issued(Samples::exempt());
    const QString path = CourtesyCopy::path(invoice);
    QVERIFY(CourtesyCopy::writePdf(path, Samples::company(), invoice, *Totals::of(invoice)));
    const QString text = pdfWords(path);
    for (const char *expected :
         {"Copia di cortesia", "Fattura n. 7", "del 15/03/2026", "Splendor Pulizie S.r.l.",
          "De Luca Anna Maria", "Servizio di assistenza esente", "141,00",
          "Imposta di bollo assolta in modo virtuale"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(PdfText::info(path).value(QStringLiteral("Title")),
             QStringLiteral("Fattura n. 7 del 15/03/2026"));
    QCOMPARE(PdfText::info(path).value(QStringLiteral("Subject")), QStringLiteral("Copia di cortesia"));
}

QTEST_MAIN(TstCourtesyCopy)
#include "tst_courtesycopy.moc"
