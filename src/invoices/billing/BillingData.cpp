#include "invoices/billing/BillingData.h"

#include "core/platform/ProgramFolder.h"
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"
#include "core/records/RecordScan.h"
#include "core/text/TextRules.h"

namespace {

QString flag(bool on) { return on ? QStringLiteral("Sì") : QStringLiteral("No"); }

BillingData fromRecord(const Record &r) {
    BillingData d;
    d.client = r.get("Cliente").toLongLong();
    d.vatNumber = r.get("PartitaIva");
    d.taxCode = r.get("CodFisc");
    d.recipientCode = r.get("CodiceDestinatario");
    d.pec = r.get("PecFatture");
    d.publicOffice = r.get("PA") == QStringLiteral("Sì");
    d.splitPayment = r.get("Scissione") == QStringLiteral("Sì");
    d.reverseCharge = r.get("Inversione") == QStringLiteral("Sì");
    return d;
}

// The record number of the last record for which matches() holds, 0 for none,
// -1 when the file cannot be read.
qint64 lastWhere(const std::function<bool(const RecordLayout &, const char *)> &matches) {
    const RecordLayout &layout = Archives::billingData();
    qint64 found = 0;
    const bool read = RecordScan::forEach(BillingStore::path(), layout, [&](const char *record, qint64 n) {
        if (matches(layout, record))
            found = n;
        return true;
    });
    return read ? found : -1;
}

std::optional<BillingData> read(qint64 number) {
    if (number <= 0)
        return std::nullopt;
    Record record(Archives::billingData());
    if (!RecordScan::readRecord(BillingStore::path(), number, record))
        return std::nullopt;
    return fromRecord(record);
}

qint64 recordOf(qint64 client) {
    const QByteArray wanted = QByteArray::number(client);
    return lastWhere([&](const RecordLayout &layout, const char *record) {
        return fieldBytes(layout, record, layout.indexOf("Cliente")) == wanted;
    });
}

} // namespace

namespace BillingStore {

QString path() { return ProgramFolder::file(Archives::billingData().fileName()); }

std::optional<BillingData> forClient(qint64 client) {
    return client > 0 ? read(recordOf(client)) : std::nullopt;
}

std::optional<BillingData> forFiscalCode(const QString &vatNumber, const QString &taxCode) {
    const QString vat = Text::trim(vatNumber), code = Text::upperAZ(Text::trim(taxCode));
    if (vat.isEmpty() && code.isEmpty())
        return std::nullopt;
    const QByteArray field = vat.isEmpty() ? QByteArray("CodFisc") : QByteArray("PartitaIva");
    const QByteArray wanted = Text::toCp1252(vat.isEmpty() ? code : vat);
    return read(lastWhere([&](const RecordLayout &layout, const char *record) {
        const QByteArrayView stored = fieldBytes(layout, record, layout.indexOf(field.constData()));
        return vat.isEmpty() ? Text::upperAZ(Text::fromCp1252(stored.toByteArray())) == code
                             : stored == wanted;
    }));
}

bool save(const BillingData &d) {
    const qint64 existing = recordOf(d.client);
    if (existing < 0 || d.client <= 0)
        return false;
    Record r(Archives::billingData());
    r.set("Cliente", QString::number(d.client));
    r.set("PartitaIva", d.vatNumber);
    r.set("CodFisc", Text::upperAZ(d.taxCode));
    r.set("CodiceDestinatario", Text::upperAZ(d.recipientCode));
    r.set("PecFatture", d.pec);
    r.set("PA", flag(d.publicOffice));
    r.set("Scissione", flag(d.splitPayment));
    r.set("Inversione", flag(d.reverseCharge));
    RecordFile file(path(), Archives::billingData().size());
    if (!file.open())
        return false;
    return existing > 0 ? file.overwriteAt(existing - 1, r.bytes()) : file.append(r.bytes());
}

BillingData proposed(qint64 client, const QString &vatNumber, const QString &taxCode,
                     const QString &cardPec) {
    BillingData d;
    d.client = client;
    d.vatNumber = Text::trim(vatNumber);
    d.taxCode = Text::trim(taxCode);
    d.recipientCode = QStringLiteral("0000000");
    d.pec = Text::trim(cardPec);
    d.reverseCharge = !d.vatNumber.isEmpty();
    return d;
}

} // namespace BillingStore
