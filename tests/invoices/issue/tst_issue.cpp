// Issuing a draft: the checks, the numbers of the year and the progressive
// (unique across desks), the e-invoice written only once it passed the
// official schema, the invoice fixed for good; and every way it can fail
// leaving the draft as it was and no file behind.
#include "InvoiceSamples.h"
#include "ReadOnly.h"
#include "SdiArithmetic.h"
#include "TestEnv.h"
#include "core/settings/IniFile.h"
#include "invoices/archive/InvoiceStore.h"
#include "invoices/einvoice/EInvoiceFile.h"
#include "invoices/einvoice/InvoiceXml.h"
#include "invoices/einvoice/Totals.h"
#include "invoices/einvoice/SchemaCheck.h"
#include "invoices/issue/Issue.h"
#include "invoices/settings/InvoiceSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <memory>

using Outcome = IssueResult::Outcome;

class TstIssue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void issuesADraft();
    void numbersFollowTheYearAndTheProgressive();
    void aCreditNoteRefersToItsInvoice();
    void aFailedCheckWritesNothing_data();
    void aFailedCheckWritesNothing();
    void aDocumentTheSchemaRefusesIsNeverLeftBehind();
    void aReadOnlyFolderIssuesNothing();
    void aFileThatCannotBeWrittenKeepsItsNumbers();
    void twoDesksNeverShareANumber();
    void aLongInvoiceIsQuick();

private:
    qint64 saved(const Invoice &draft) {
        qint64 record = 0;
        if (!InvoiceStore::saveDraft(draft, record))
            return 0;
        return record;
    }
    IssueResult issue(qint64 record, const Seller &seller = Samples::company()) {
        return Issue::draft(record, seller, InvoiceSettings::nextProgressive());
    }
    // Every byte the invoices keep: the three archives and the e-invoices.
    QMap<QString, QByteArray> everything() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            files.insert(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
        }
        return files;
    }
    QStringList eInvoices() const {
        QStringList names;
        QDirIterator it(folder->path() + EInvoiceFile::folderName(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names << it.next().mid(folder->path().size());
        names.sort();
        return names;
    }

    std::unique_ptr<TempProgramFolder> folder;
};

void TstIssue::init() {
    folder = std::make_unique<TempProgramFolder>();
    // The company as the contract screen keeps it.
    IniFile company(folder->file(QStringLiteral("Contratti.ini")));
    const Seller s = Samples::company();
    for (const auto &[key, value] : QList<std::pair<QString, QString>>{{"Denominazione", s.name},
                                                                       {"Partita Iva", s.vatNumber},
                                                                       {"Codice Fiscale", s.taxCode},
                                                                       {"Sede Legale", s.town},
                                                                       {"Provincia", s.province},
                                                                       {"CAP", s.postcode},
                                                                       {"Indirizzo", s.street}})
        QVERIFY(company.write(QStringLiteral("Ditta Pulizie"), key, value));
}

void TstIssue::cleanup() { folder.reset(); }

void TstIssue::issuesADraft() {
    const qint64 record = saved(Samples::publicOffice());
    QCOMPARE(record, qint64(1));
    const IssueResult result = issue(record, InvoiceSettings::seller());
    QCOMPARE(result.outcome, Outcome::Issued);
    QCOMPARE(result.invoice.number, QStringLiteral("1"));
    QCOMPARE(result.invoice.progressive, QStringLiteral("00001"));
    QCOMPARE(eInvoices(), QStringList{QStringLiteral("Fatture_Elettroniche/2026/IT01234567897_00001.xml")});
    QCOMPARE(result.filePath, folder->file(eInvoices().first()));
    const QByteArray xml = folder->read(eInvoices().first());
    QVERIFY(SchemaCheck::isValid(xml));
    QVERIFY(SdiArithmetic::faults(xml).isEmpty());
    QVERIFY(xml.contains("<Numero>1</Numero>"));
    QVERIFY(xml.contains("<ProgressivoInvio>00001</ProgressivoInvio>"));

    const std::optional<InvoiceStore::Stored> stored = InvoiceStore::load(record);
    QVERIFY(stored && stored->isIssued());
    QCOMPARE(stored->fileName, QStringLiteral("IT01234567897_00001.xml"));
    QCOMPARE(stored->invoice.number, QStringLiteral("1"));
    QCOMPARE(stored->invoice.lines.size(), 3);

    // Fixed for good: neither issued again nor saved over.
    const auto before = everything();
    QCOMPARE(issue(record).outcome, Outcome::NotADraft);
    qint64 again = record;
    QVERIFY(!InvoiceStore::saveDraft(Samples::privatePerson(), again));
    QCOMPARE(everything(), before);
}

void TstIssue::numbersFollowTheYearAndTheProgressive() {
    Invoice next = Samples::privatePerson();
    const IssueResult first = issue(saved(next));
    const IssueResult second = issue(saved(next));
    next.date = QDate(2027, 1, 2);
    const IssueResult newYear = issue(saved(next));
    QCOMPARE(first.invoice.number, QStringLiteral("1"));
    QCOMPARE(second.invoice.number, QStringLiteral("2"));
    QCOMPARE(newYear.invoice.number, QStringLiteral("1"));          // numbered again each year
    QCOMPARE(newYear.invoice.progressive, QStringLiteral("00003")); // the progressive never starts again
    // The settings ask for a later progressive: it is taken; an earlier one never is.
    QVERIFY(IniFile(InvoiceSettings::path())
                .write(InvoiceSettings::section(), QStringLiteral("Progressivo"), QStringLiteral("40")));
    QCOMPARE(issue(saved(next)).invoice.progressive, QStringLiteral("00040"));
    QVERIFY(IniFile(InvoiceSettings::path())
                .write(InvoiceSettings::section(), QStringLiteral("Progressivo"), QStringLiteral("2")));
    const IssueResult after = issue(saved(next));
    QCOMPARE(after.invoice.progressive, QStringLiteral("00041"));
    QCOMPARE(after.invoice.number, QStringLiteral("3"));
    QCOMPARE(eInvoices(), (QStringList{QStringLiteral("Fatture_Elettroniche/2026/IT01234567897_00001.xml"),
                                       QStringLiteral("Fatture_Elettroniche/2026/IT01234567897_00002.xml"),
                                       QStringLiteral("Fatture_Elettroniche/2027/IT01234567897_00003.xml"),
                                       QStringLiteral("Fatture_Elettroniche/2027/IT01234567897_00040.xml"),
                                       QStringLiteral("Fatture_Elettroniche/2027/IT01234567897_00041.xml")}));
}

void TstIssue::aCreditNoteRefersToItsInvoice() {
    const IssueResult invoice = issue(saved(Samples::business()));
    QVERIFY(invoice.issued());
    Invoice note = Samples::business();
    note.type = QString::fromLatin1(Invoice::CreditNote);
    note.lines.removeLast();
    IssueResult refused = issue(saved(note)); // no invoice named
    QCOMPARE(refused.outcome, Outcome::CheckFailed);
    QCOMPARE(refused.problems.first().field, QStringLiteral("Fattura di riferimento"));
    note.linkedNumber = invoice.invoice.number;
    note.linkedDate = invoice.invoice.date;
    const IssueResult issued = issue(saved(note));
    QCOMPARE(issued.outcome, Outcome::Issued);
    QCOMPARE(issued.invoice.number, QStringLiteral("2")); // one series with the invoices
    const QByteArray xml = folder->read(issued.filePath.mid(folder->path().size()));
    QVERIFY(SchemaCheck::isValid(xml));
    QVERIFY(xml.contains("<TipoDocumento>TD04</TipoDocumento>"));
    const qsizetype from = xml.indexOf("<DatiFattureCollegate>"), to = xml.indexOf("</DatiFattureCollegate>");
    QVERIFY(from > 0 && to > from);
    QCOMPARE(xml.mid(from, to - from).simplified(),
             QByteArray("<DatiFattureCollegate> <IdDocumento>1</IdDocumento> <Data>2026-03-15</Data>"));
}

void TstIssue::aFailedCheckWritesNothing_data() {
    QTest::addColumn<Invoice>("draft");
    QTest::addColumn<QString>("sellerVat");
    QTest::addColumn<QStringList>("fields");
    const QString goodVat = Samples::company().vatNumber;
    Invoice i = Samples::privatePerson();
    QTest::newRow("company VAT number") << i << "01234567890" << QStringList{"Partita IVA dell'impresa"};
    i.buyer.taxCode.clear();
    QTest::newRow("neither VAT number nor tax code")
        << i << goodVat << QStringList{"Partita IVA o codice fiscale del cliente"};
    i = Samples::privatePerson();
    i.buyer.taxCode = QStringLiteral("RSSMRA85T10A562X");
    QTest::newRow("tax code check character") << i << goodVat << QStringList{"Codice fiscale del cliente"};
    i = Samples::privatePerson();
    i.buyer.postcode = QStringLiteral("0018");
    i.buyer.province.clear();
    QTest::newRow("address not whole")
        << i << goodVat << QStringList{"CAP del cliente", "Provincia del cliente"};
    i = Samples::publicOffice();
    i.buyer.recipientCode = QStringLiteral("UFY9MH1");
    QTest::newRow("public office code of 7") << i << goodVat << QStringList{"Codice destinatario"};
    i = Samples::business();
    i.buyer.recipientCode = QStringLiteral("M5UXC");
    i.buyer.pec = QStringLiteral("fatture@");
    QTest::newRow("code of 5 and a PEC that is none")
        << i << goodVat << QStringList{"Codice destinatario", "PEC del cliente"};
    i = Samples::privatePerson();
    i.lines.clear();
    QTest::newRow("no line") << i << goodVat << QStringList{"Righe"};
    i = Samples::privatePerson();
    i.lines[1].rate = 0;
    QTest::newRow("0% without Natura") << i << goodVat << QStringList{"Riga 2"};
    i = Samples::privatePerson();
    i.lines[2].natura = QStringLiteral("N4");
    QTest::newRow("Natura at 22%") << i << goodVat << QStringList{"Riga 3"};
    i = Samples::business();
    i.buyer.vatNumber.clear();
    i.buyer.taxCode = QStringLiteral("RSSMRA85T10A562S");
    QTest::newRow("reverse charge to a person") << i << goodVat << QStringList{"Partita IVA del cliente"};
}

void TstIssue::aFailedCheckWritesNothing() {
    QFETCH(Invoice, draft);
    QFETCH(QString, sellerVat);
    QFETCH(QStringList, fields);
    const qint64 record = saved(draft);
    Seller seller = Samples::company();
    seller.vatNumber = sellerVat;
    const auto before = everything();
    const IssueResult result = issue(record, seller);
    QCOMPARE(result.outcome, Outcome::CheckFailed);
    QStringList named;
    for (const IssueProblem &p : result.problems) {
        named << p.field;
        QVERIFY(p.message.startsWith(QStringLiteral("Attenzione: ")));
    }
    QCOMPARE(named, fields);
    QCOMPARE(everything(), before); // the draft as it was, no number taken, no file
    QVERIFY(!InvoiceStore::load(record)->isIssued());
}

void TstIssue::aDocumentTheSchemaRefusesIsNeverLeftBehind() {
    Seller seller = Samples::company();
    seller.iban = QStringLiteral("IT60 X"); // no IBAN the schema accepts; nothing else checks it
    const qint64 record = saved(Samples::privatePerson());
    const auto before = everything();
    const IssueResult result = issue(record, seller);
    QCOMPARE(result.outcome, Outcome::SchemaRefused);
    QVERIFY(!result.schemaErrors.isEmpty());
    QCOMPARE(result.schemaErrors.first().element, QStringLiteral("IBAN"));
    QVERIFY(result.schemaErrors.first().message.contains(QStringLiteral("IBAN")));
    QCOMPARE(everything(), before);
    QVERIFY(eInvoices().isEmpty());

    // The file writer itself refuses such a document, even where a file of
    // that name already is: the earlier file stays as it was.
    const QString path = EInvoiceFile::folder(2026) + QStringLiteral("IT01234567897_00001.xml");
    QVERIFY(QDir().mkpath(EInvoiceFile::folder(2026)));
    folder->write(QStringLiteral("Fatture_Elettroniche/2026/IT01234567897_00001.xml"), "earlier");
    const EInvoiceFile::Outcome written = EInvoiceFile::write(path, "<p:FatturaElettronica/>");
    QVERIFY(!written.written && !written.schemaErrors.isEmpty());
    QCOMPARE(folder->read(QStringLiteral("Fatture_Elettroniche/2026/IT01234567897_00001.xml")),
             QByteArray("earlier"));
    QCOMPARE(QDir(EInvoiceFile::folder(2026)).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TstIssue::aReadOnlyFolderIssuesNothing() {
    const qint64 record = saved(Samples::privatePerson());
    const auto before = everything();
    IssueResult result;
    {
        ReadOnlyFolder readOnly(folder->path());
        if (!readOnly.holds())
            QSKIP("this machine cannot make a folder read-only");
        result = issue(record);
    }
    QCOMPARE(result.outcome, Outcome::NumberFailed);
    QCOMPARE(everything(), before);
    QVERIFY(!InvoiceStore::load(record)->isIssued());
}

void TstIssue::aFileThatCannotBeWrittenKeepsItsNumbers() {
    const qint64 record = saved(Samples::privatePerson());
    // A file standing where the year's folder should be.
    QVERIFY(QDir().mkpath(folder->file(EInvoiceFile::folderName())));
    folder->write(QStringLiteral("Fatture_Elettroniche/2026"), "not a folder");
    const IssueResult failed = issue(record);
    QCOMPARE(failed.outcome, Outcome::FileFailed);
    QVERIFY(!InvoiceStore::load(record)->isIssued());
    QVERIFY(QFile::remove(folder->file(QStringLiteral("Fatture_Elettroniche/2026"))));
    // Another invoice issued meanwhile takes the next numbers; the first,
    // issued again, keeps those it was given.
    const IssueResult other = issue(saved(Samples::business()));
    QCOMPARE(other.invoice.number, QStringLiteral("2"));
    const IssueResult again = issue(record);
    QCOMPARE(again.outcome, Outcome::Issued);
    QCOMPARE(again.invoice.number, failed.invoice.number);
    QCOMPARE(again.invoice.progressive, QStringLiteral("00001"));
    QCOMPARE(eInvoices().size(), 2);
}

void TstIssue::twoDesksNeverShareANumber() {
    constexpr int Each = 50;
    const QString go = folder->file(QStringLiteral("via"));
    QList<QProcess *> desks;
    for (const char *tag : {"A", "B"}) {
        auto *desk = new QProcess(this);
        desk->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desk->start(QStringLiteral(INVOICE_ISSUER),
                    {folder->path(), QLatin1String(tag), QString::number(Each), go});
        QVERIFY(desk->waitForStarted());
        desks << desk;
    }
    QVERIFY(QFile(go).open(QIODevice::WriteOnly));
    for (QProcess *desk : desks) {
        QVERIFY(desk->waitForFinished(240000));
        QCOMPARE(desk->exitCode(), 0);
    }
    QSet<QString> numbers, progressives;
    for (qint64 n = 1; n <= 2 * Each; ++n) {
        const std::optional<InvoiceStore::Stored> stored = InvoiceStore::load(n);
        QVERIFY(stored && stored->isIssued());
        numbers << stored->invoice.number;
        progressives << stored->invoice.progressive;
    }
    QCOMPARE(numbers.size(), 2 * Each);
    QCOMPARE(progressives.size(), 2 * Each);
    for (int n = 1; n <= 2 * Each; ++n)
        QVERIFY(numbers.contains(QString::number(n)));
    QCOMPARE(eInvoices().size(), 2 * Each);
}

// Issuing 200 lines costs well under a tenth of a second beyond writing its files.
void TstIssue::aLongInvoiceIsQuick() {
    Invoice draft = Samples::privatePerson();
    draft.lines.clear();
    for (int i = 0; i < 200; ++i)
        draft.lines << Samples::line(QStringLiteral("%1/03/2026 - Servizi di pulizia uffici").arg(i % 28 + 1),
                                     "1", "37,50");
    SchemaCheck::isValid("<warm/>"); // the schema is read once per run
    QElapsedTimer timer;
    timer.start();
    const InvoiceTotals totals = *Totals::of(draft);
    draft.number = QStringLiteral("1");
    draft.progressive = QStringLiteral("00001");
    const QByteArray xml = InvoiceXml::write(Samples::company(), draft, totals);
    QVERIFY(SchemaCheck::isValid(xml));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < 100, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QVERIFY(issue(saved(draft)).issued());
}

QTEST_GUILESS_MAIN(TstIssue)
#include "tst_issue.moc"
