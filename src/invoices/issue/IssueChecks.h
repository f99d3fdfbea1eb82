#pragma once
// What "Emetti" checks before anything is written: the company's VAT number,
// the client's VAT number or tax code, both addresses whole, the recipient
// code's length or a PEC, at least one line, no 0% line without Natura. Each
// failure names the field in Italian.
#include "invoices/einvoice/Invoice.h"

#include <QList>
#include <QString>

struct IssueProblem {
    QString field;   // the field at fault, as the user knows it
    QString message; // the warning shown
};

namespace IssueChecks {
QList<IssueProblem> of(const Seller &seller, const Invoice &invoice);
} // namespace IssueChecks
