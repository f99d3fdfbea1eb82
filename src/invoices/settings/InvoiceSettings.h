#pragma once
// What the e-invoice needs of the company beyond the contract's company data:
// "Fatturazione.ini", section "Fatturazione" (regime, bank, payment terms,
// the next ProgressivoInvio). The company itself (name, VAT number, tax code,
// address) is the one of "Contratti.ini", typed once on the contract screen.
#include "invoices/einvoice/Invoice.h"

#include <QList>
#include <QString>

struct SettingsKey;

namespace InvoiceSettings {

QString fileName(); // "Fatturazione.ini"
QString path();
QString section(); // "Fatturazione"
// The keys with the controls of TfrmImpostazioniFatture that edit them.
const QList<SettingsKey> &keys();

struct Choice {
    const char *code;
    const char *caption;
};
const QList<Choice> &regimes();  // RF01 ordinario ... RF19 forfettario
const QList<Choice> &payments(); // MP05 bonifico, MP01 contanti, ...
// "RF19 - Regime forfettario": the text a combo lists and the file keeps.
QString choiceText(const Choice &choice);
// The code at the start of such a text ("RF19"), empty when there is none.
QString codeOf(const QString &text);

inline constexpr int DefaultDays = 30;

// The seller as the e-invoice names it: the company of Contratti.ini with
// this file's regime and bank.
Seller seller();
// The settings' payment terms, for a new invoice.
QString payment();
int paymentDays();
// The next ProgressivoInvio the settings ask for (1 when empty or unreadable).
qint64 nextProgressive();

} // namespace InvoiceSettings
