#pragma once
// The invoices in the program folder: a draft saved and changed freely (its
// header in Fatture.pro, its lines in Fatture_Righe.pro), read back whole. An
// issued invoice is never changed again: saving over one is refused.
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/Totals.h"

#include <QString>

#include <optional>

namespace InvoiceStore {

QString headersPath();
QString linesPath();

struct Stored {
    Invoice invoice;
    QString state; // InvoiceRecord::Draft or InvoiceRecord::Issued
    QString fileName;
    bool isIssued() const;
};

// Saves a draft: a new one (record 0) is appended and record takes its
// number; a stored draft is written over. Its lines take the places of the
// draft's earlier lines, then new records; lines it no longer has are
// detached from it. False when an archive cannot be written or record is an
// issued invoice.
bool saveDraft(const Invoice &invoice, qint64 &record);

// The invoice of header record number record with its lines in order; nothing
// when it cannot be read or a line cannot be read.
std::optional<Stored> load(qint64 record);

// Writes an issued invoice's header over its draft: the number, progressive,
// file name and totals given.
bool markIssued(qint64 record, const Invoice &invoice, const QString &fileName, const InvoiceTotals &totals);

} // namespace InvoiceStore
