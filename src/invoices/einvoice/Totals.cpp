#include "invoices/einvoice/Totals.h"

#include "invoices/einvoice/Natura.h"

namespace Totals {

std::optional<InvoiceTotals> of(const Invoice &invoice) {
    InvoiceTotals totals;
    qint64 stampBase = 0;
    for (const InvoiceLine &line : invoice.lines) {
        const std::optional<qint64> total = line.quantity.timesInCents(line.unitPrice);
        if (!total)
            return std::nullopt;
        totals.lineTotals << *total;
        auto summary =
            std::find_if(totals.summaries.begin(), totals.summaries.end(),
                         [&](const TaxSummary &s) { return s.rate == line.rate && s.natura == line.natura; });
        if (summary == totals.summaries.end()) {
            TaxSummary fresh;
            fresh.rate = line.rate;
            fresh.natura = line.natura;
            fresh.reference = Natura::reference(line.natura);
            if (line.natura.isEmpty())
                fresh.chargeability = invoice.buyer.splitPayment ? QStringLiteral("S") : QStringLiteral("I");
            totals.summaries << fresh;
            summary = totals.summaries.end() - 1;
        }
        summary->taxable += *total;
        if (Natura::bearsStampDuty(line.natura))
            stampBase += *total;
    }
    for (TaxSummary &summary : totals.summaries) {
        summary.tax = Money::tax(summary.taxable, summary.rate);
        totals.taxable += summary.taxable;
        totals.tax += summary.tax;
    }
    totals.stampDuty = stampBase > Natura::StampDutyThresholdCents;
    totals.document = totals.taxable + totals.tax;
    if (totals.stampDuty && invoice.stampCharged)
        totals.document += Natura::StampDutyCents;
    totals.toPay = invoice.buyer.splitPayment ? totals.document - totals.tax : totals.document;
    return totals;
}

} // namespace Totals
