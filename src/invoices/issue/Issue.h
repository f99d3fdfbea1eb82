#pragma once
// Issuing a draft ("Emetti fattura"): the checks, then the next number of the
// invoice's year and the next ProgressivoInvio (unique across desks), the
// e-invoice written after it passed the official schema, and the invoice
// fixed for good. A failed check, or a document the schema refuses, leaves
// the draft as it was and writes nothing at all.
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/SchemaCheck.h"
#include "invoices/issue/IssueChecks.h"

#include <QList>
#include <QString>

struct IssueResult {
    enum class Outcome {
        Issued,
        NotADraft,     // missing, unreadable, or issued already
        CheckFailed,   // problems says which fields
        SchemaRefused, // schemaErrors says which elements
        NumberFailed,  // the numbers' archive could not be written
        FileFailed,    // the e-invoice could not be written
        ArchiveFailed, // the invoice could not be marked issued
    };
    Outcome outcome = Outcome::NotADraft;
    QList<IssueProblem> problems;
    QList<SchemaError> schemaErrors;
    Invoice invoice;  // as issued: number and progressive given
    QString filePath; // the e-invoice written
    bool issued() const { return outcome == Outcome::Issued; }
};

namespace Issue {
// Issues header record number record of Fatture.pro as seller.
// firstProgressive is the settings' next ProgressivoInvio.
IssueResult draft(qint64 record, const Seller &seller, qint64 firstProgressive);
} // namespace Issue
