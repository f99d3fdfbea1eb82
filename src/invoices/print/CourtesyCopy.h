#pragma once
// The courtesy copy of an issued invoice, "Fattura_<numero>_<year>.pdf" beside
// its e-invoice: the company (with its logo, Logo.bmp, when there is one), the
// client, the lines, the summaries and totals, the notes of the reverse
// charge, split payment and stamp duty, marked "Copia di cortesia" (the XML
// is the invoice). Through reports/Fattura.json: printed, previewed or
// written as PDF.
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/Totals.h"

#include <QString>
#include <QStringList>

class ReportEngine;

namespace CourtesyCopy {

QString fileName(const Invoice &invoice); // "Fattura_7_2026.pdf"
// Beside the year's e-invoices: "Fatture_Elettroniche/2026/Fattura_7_2026.pdf".
QString path(const Invoice &invoice);

// The line table's text, one fixed-column line per invoice line (a long
// description continues on the lines after it).
QStringList lineTexts(const Invoice &invoice, const InvoiceTotals &totals);
// The summaries and totals.
QStringList totalTexts(const Invoice &invoice, const InvoiceTotals &totals);
// The notes the law asks for on this invoice.
QStringList notes(const Invoice &invoice, const InvoiceTotals &totals);

// Loads and fills the template; false when it cannot be loaded.
bool fill(ReportEngine &engine, const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals);
// Writes the PDF at path (replacing an earlier one only when whole).
bool writePdf(const QString &path, const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals);

} // namespace CourtesyCopy
