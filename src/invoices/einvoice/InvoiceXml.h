#pragma once
// The e-invoice's XML (FatturaPA 1.2.2): FPA12 for a public office, FPR12 for
// everyone else; UTF-8, every text within the schema's character set and each
// element's length (invoices/einvoice/LatinText).
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/Totals.h"

#include <QByteArray>
#include <QString>

namespace InvoiceXml {

inline constexpr const char *Namespace = "http://ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2";
inline constexpr const char *NoRecipientCode = "0000000"; // a private person, or delivery by PEC

// "FPA12" or "FPR12".
QString format(const Buyer &buyer);
// The transmitter's code: the seller's VAT number, or its tax code without one.
QString transmitterCode(const Seller &seller);
// "IT<IdCodice>_<progressivo>.xml".
QString fileName(const Seller &seller, const QString &progressive);

// The document; invoice.number and invoice.progressive must be given.
QByteArray write(const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals);

// The notes printed on the invoice and written as its Causale: the split
// payment's and the stamp duty's wording, when they apply.
QString splitPaymentNote();
QString stampDutyNote();

} // namespace InvoiceXml
