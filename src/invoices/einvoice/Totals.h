#pragma once
// The amounts of an invoice as the exchange system checks them: each line
// total is quantity × unit price rounded half up to the cent; one summary per
// rate and Natura holds the sum of its lines and the tax rounded once on that
// sum; the document total is the summaries' taxable amounts and taxes (and the
// stamp duty when it is charged to the client).
#include "invoices/einvoice/Invoice.h"

#include <QList>
#include <QString>

#include <optional>

struct TaxSummary {
    int rate = 0;
    QString natura;
    qint64 taxable = 0;    // cents
    qint64 tax = 0;        // cents
    QString reference;     // RiferimentoNormativo
    QString chargeability; // EsigibilitaIVA: "I", "S" (split payment), empty for a Natura
};

struct InvoiceTotals {
    QList<qint64> lineTotals; // cents, one per line
    QList<TaxSummary> summaries;
    qint64 taxable = 0;
    qint64 tax = 0;
    bool stampDuty = false; // exempt or excluded amounts over 77,47 euro
    qint64 document = 0;    // ImportoTotaleDocumento
    qint64 toPay = 0;       // the total less the VAT a public office pays to the State
};

namespace Totals {
// Nothing when a line's total does not fit in an amount.
std::optional<InvoiceTotals> of(const Invoice &invoice);
} // namespace Totals
