#pragma once
// An invoice's header and lines as the records of Fatture.pro and
// Fatture_Righe.pro hold them, and back.
#include "core/records/RecordLayout.h"
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/Totals.h"

namespace InvoiceRecord {

inline constexpr const char *Draft = "Bozza";
inline constexpr const char *Issued = "Emessa";

// The header's fields; totals when given (an issued invoice keeps them, so
// the list need not read the lines).
void fillHeader(Record &header, const Invoice &invoice, const QString &state,
                const InvoiceTotals *totals = nullptr);
// The invoice of a header, without its lines.
Invoice header(const Record &record);
QString state(const Record &record);

void fillLine(Record &record, qint64 invoice, int number, const InvoiceLine &line, qint64 totalCents);
// Nothing when the stored quantity, price or rate cannot be read.
std::optional<InvoiceLine> line(const Record &record);

// A flag field's text ("Sì" / "No") and its reading.
QString flag(bool on);
bool isOn(const QString &stored);

} // namespace InvoiceRecord
