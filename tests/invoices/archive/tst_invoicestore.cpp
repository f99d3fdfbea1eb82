// Drafts in the invoice archives: saved, changed (lines added, changed and
// taken off) and read back whole, a long description included.
#include "InvoiceSamples.h"
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "core/records/RecordScan.h"
#include "invoices/archive/InvoiceStore.h"

#include <QtTest>

#include <memory>

namespace {

void compareLines(const QList<InvoiceLine> &got, const QList<InvoiceLine> &want) {
    QCOMPARE(got.size(), want.size());
    for (qsizetype i = 0; i < want.size(); ++i) {
        QCOMPARE(got[i].description, want[i].description);
        QCOMPARE(got[i].quantity.text(), want[i].quantity.text());
        QCOMPARE(got[i].unitPrice.text(), want[i].unitPrice.text());
        QCOMPARE(got[i].rate, want[i].rate);
        QCOMPARE(got[i].natura, want[i].natura);
        QCOMPARE(got[i].service, want[i].service);
    }
}

} // namespace

class TstInvoiceStore : public QObject {
    Q_OBJECT
private slots:
    void init() { folder = std::make_unique<TempProgramFolder>(); }
    void cleanup() { folder.reset(); }
    void draftReadsBackWhole();
    void aLongDescriptionKeepsItsBlanks();
    void changingADraftReusesAndDetachesLines();

private:
    std::unique_ptr<TempProgramFolder> folder;
};

void TstInvoiceStore::draftReadsBackWhole() {
    Invoice draft = Samples::publicOffice();
    draft.lines[0].service = QStringLiteral("12/4");
    draft.causale = QStringLiteral("Servizi di marzo");
    draft.due = QDate(2026, 4, 30);
    qint64 record = 0;
    QVERIFY(InvoiceStore::saveDraft(draft, record));
    QCOMPARE(record, qint64(1));
    const std::optional<InvoiceStore::Stored> stored = InvoiceStore::load(record);
    QVERIFY(stored && !stored->isIssued());
    const Invoice &got = stored->invoice;
    QCOMPARE(got.date, draft.date);
    QCOMPARE(got.type, QStringLiteral("TD01"));
    QCOMPARE(got.buyer.name, draft.buyer.name);
    QCOMPARE(got.buyer.recipientCode, QStringLiteral("UFY9MH"));
    QVERIFY(got.buyer.publicOffice && got.buyer.splitPayment && !got.buyer.reverseCharge);
    QCOMPARE(got.due, draft.due);
    QCOMPARE(got.causale, draft.causale);
    compareLines(got.lines, draft.lines);
}

void TstInvoiceStore::aLongDescriptionKeepsItsBlanks() {
    Invoice draft = Samples::privatePerson();
    // Blanks on both sides of every place a 250-character field would cut.
    QString text;
    while (text.size() < 990)
        text += QStringLiteral("Pulizia  uffici ");
    text = text.left(990).trimmed() + QStringLiteral(" fine");
    draft.lines[0].description = text;
    qint64 record = 0;
    QVERIFY(InvoiceStore::saveDraft(draft, record));
    QCOMPARE(InvoiceStore::load(record)->invoice.lines[0].description, text);
}

void TstInvoiceStore::changingADraftReusesAndDetachesLines() {
    Invoice draft = Samples::privatePerson(); // five lines
    qint64 record = 0, other = 0;
    QVERIFY(InvoiceStore::saveDraft(draft, record));
    QVERIFY(InvoiceStore::saveDraft(Samples::business(), other)); // two lines after them
    draft.lines.remove(1, 3);
    draft.lines[0].description = QStringLiteral("Pulizia straordinaria");
    QVERIFY(InvoiceStore::saveDraft(draft, record));
    QCOMPARE(record, qint64(1));
    compareLines(InvoiceStore::load(record)->invoice.lines, draft.lines);
    compareLines(InvoiceStore::load(other)->invoice.lines, Samples::business().lines);
    // The lines taken off keep their records, belonging to no invoice.
    const RecordLayout &layout = Archives::invoiceLines();
    QCOMPARE(QFileInfo(InvoiceStore::linesPath()).size(), 7 * layout.size());
    int detached = 0;
    QVERIFY(RecordScan::forEach(InvoiceStore::linesPath(), layout, [&](const char *r, qint64) {
        detached += fieldBytes(layout, r, layout.indexOf("Fattura")).isEmpty();
        return true;
    }));
    QCOMPARE(detached, 3);
    // Lines added again take new records after everything.
    draft.lines << Samples::line(QStringLiteral("a"), "1", "1")
                << Samples::line(QStringLiteral("b"), "1", "2")
                << Samples::line(QStringLiteral("c"), "1", "3");
    QVERIFY(InvoiceStore::saveDraft(draft, record));
    compareLines(InvoiceStore::load(record)->invoice.lines, draft.lines);
    QCOMPARE(QFileInfo(InvoiceStore::linesPath()).size(), 10 * layout.size());
}

QTEST_GUILESS_MAIN(TstInvoiceStore)
#include "tst_invoicestore.moc"
