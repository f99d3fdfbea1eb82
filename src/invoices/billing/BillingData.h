#pragma once
// A client's billing data (recipient code, PEC for invoices, public office,
// split payment, reverse charge) in "Dati_Fatturazione.pro", a file of our
// own beside the client archive, whose layout stays as it is. Each record
// holds the client's record number and copies of its VAT number and tax
// code, so the client card finds it by the number and a contract (which holds
// copies of the client's VAT number and tax code) by those.
#include <QString>

#include <optional>

struct BillingData {
    qint64 client = 0; // the client's record number
    QString vatNumber;
    QString taxCode;
    QString recipientCode;
    QString pec;
    bool publicOffice = false;
    bool splitPayment = false;
    bool reverseCharge = false;
};

namespace BillingStore {

QString path();

// The client's billing data; nothing when none are kept (or the file cannot
// be read: reading fails as gently as a list does).
std::optional<BillingData> forClient(qint64 client);
// The billing data whose VAT number (when given) or else tax code is the one
// asked, the latest kept; nothing when none match.
std::optional<BillingData> forFiscalCode(const QString &vatNumber, const QString &taxCode);

// Writes over the client's record, or appends one; false when the file
// cannot be written.
bool save(const BillingData &data);

// What a client with no billing data yet is proposed: the code "0000000",
// the card's PEC, and the reverse charge ticked when it has a VAT number.
BillingData proposed(qint64 client, const QString &vatNumber, const QString &taxCode, const QString &cardPec);

} // namespace BillingStore
