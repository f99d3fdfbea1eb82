#include "invoices/issue/Issue.h"

#include "invoices/archive/InvoiceStore.h"
#include "invoices/einvoice/EInvoiceFile.h"
#include "invoices/einvoice/InvoiceXml.h"
#include "invoices/einvoice/Totals.h"
#include "invoices/issue/InvoiceNumbering.h"

namespace Issue {

IssueResult draft(qint64 record, const Seller &seller, qint64 firstProgressive) {
    using Outcome = IssueResult::Outcome;
    IssueResult result;
    const std::optional<InvoiceStore::Stored> stored = InvoiceStore::load(record);
    if (!stored || stored->isIssued())
        return result;
    Invoice invoice = stored->invoice;
    result.invoice = invoice;

    result.problems = IssueChecks::of(seller, invoice);
    const std::optional<InvoiceTotals> totals = Totals::of(invoice);
    if (!totals)
        result.problems << IssueProblem{
            QStringLiteral("Righe"), QStringLiteral("Attenzione: un importo della fattura è troppo grande.")};
    if (!result.problems.isEmpty()) {
        result.outcome = Outcome::CheckFailed;
        return result;
    }

    // The document is checked against the schema with the numbers it would
    // get now, before any number is taken: one the schema refuses costs none.
    const std::optional<InvoiceNumbers> likely =
        InvoiceNumbering::peek(invoice.date.year(), firstProgressive);
    if (!likely) {
        result.outcome = Outcome::NumberFailed;
        return result;
    }
    invoice.number = QString::number(likely->number);
    invoice.progressive = likely->progressive;
    result.schemaErrors = SchemaCheck::errors(InvoiceXml::write(seller, invoice, *totals));
    if (!result.schemaErrors.isEmpty()) {
        result.outcome = Outcome::SchemaRefused;
        return result;
    }

    const std::optional<InvoiceNumbers> numbers =
        InvoiceNumbering::take(record, invoice.date, firstProgressive);
    if (!numbers) {
        result.outcome = Outcome::NumberFailed;
        return result;
    }
    invoice.number = QString::number(numbers->number);
    invoice.progressive = numbers->progressive;
    result.invoice = invoice;

    const QString name = InvoiceXml::fileName(seller, invoice.progressive);
    const QString path = EInvoiceFile::folder(invoice.date.year()) + name;
    const EInvoiceFile::Outcome written =
        EInvoiceFile::write(path, InvoiceXml::write(seller, invoice, *totals));
    if (!written.written) {
        result.schemaErrors = written.schemaErrors;
        result.outcome = written.schemaErrors.isEmpty() ? Outcome::FileFailed : Outcome::SchemaRefused;
        return result;
    }
    result.filePath = path;
    if (!InvoiceStore::markIssued(record, invoice, name, *totals)) {
        result.outcome = Outcome::ArchiveFailed;
        return result;
    }
    result.outcome = Outcome::Issued;
    return result;
}

} // namespace Issue
