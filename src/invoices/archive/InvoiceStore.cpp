#include "invoices/archive/InvoiceStore.h"

#include "core/platform/ProgramFolder.h"
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"
#include "core/records/RecordScan.h"
#include "invoices/archive/InvoiceRecord.h"

#include <QMap>

namespace {

// The record numbers of an invoice's lines, in their line order.
std::optional<QList<qint64>> lineRecords(qint64 invoice) {
    const RecordLayout &layout = Archives::invoiceLines();
    const int owner = layout.indexOf("Fattura"), order = layout.indexOf("Riga");
    const QByteArray wanted = QByteArray::number(invoice);
    QMap<int, qint64> byOrder;
    const bool read =
        RecordScan::forEach(InvoiceStore::linesPath(), layout, [&](const char *record, qint64 n) {
            if (fieldBytes(layout, record, owner) == wanted)
                byOrder.insert(fieldBytes(layout, record, order).toByteArray().toInt(), n);
            return true;
        });
    if (!read)
        return std::nullopt;
    return byOrder.values();
}

} // namespace

namespace InvoiceStore {

QString headersPath() { return ProgramFolder::file(Archives::invoices().fileName()); }
QString linesPath() { return ProgramFolder::file(Archives::invoiceLines().fileName()); }

bool Stored::isIssued() const { return state == QLatin1String(InvoiceRecord::Issued); }

bool saveDraft(const Invoice &invoice, qint64 &record) {
    Record header(Archives::invoices());
    if (record > 0) {
        if (!RecordScan::readRecord(headersPath(), record, header) ||
            InvoiceRecord::state(header) != QLatin1String(InvoiceRecord::Draft))
            return false;
    }
    const std::optional<QList<qint64>> earlier = record > 0 ? lineRecords(record) : QList<qint64>();
    if (!earlier)
        return false;

    RecordFile headers(headersPath(), Archives::invoices().size());
    if (!headers.open())
        return false;
    header.clear();
    InvoiceRecord::fillHeader(header, invoice, QString::fromLatin1(InvoiceRecord::Draft));
    if (record > 0) {
        if (!headers.overwriteAt(record - 1, header.bytes()))
            return false;
    } else {
        if (!headers.append(header.bytes()))
            return false;
        record = headers.position();
    }
    headers.close();

    const std::optional<InvoiceTotals> totals = Totals::of(invoice);
    RecordFile lines(linesPath(), Archives::invoiceLines().size());
    if (!lines.open())
        return false;
    Record line(Archives::invoiceLines());
    QList<QByteArray> fresh;
    for (qsizetype i = 0; i < invoice.lines.size(); ++i) {
        InvoiceRecord::fillLine(line, record, int(i + 1), invoice.lines.at(i),
                                totals ? totals->lineTotals.at(i) : 0);
        if (i < earlier->size()) {
            if (!lines.overwriteAt(earlier->at(i) - 1, line.bytes()))
                return false;
        } else {
            fresh << line.bytes();
        }
    }
    if (!fresh.isEmpty() && !lines.appendAll(fresh))
        return false;
    // Lines the draft no longer has keep their records, belonging to no invoice.
    for (qsizetype i = invoice.lines.size(); i < earlier->size(); ++i) {
        Record detached(Archives::invoiceLines());
        if (!lines.readAt(earlier->at(i) - 1, detached.bytes()))
            return false;
        detached.set("Fattura", QString());
        if (!lines.overwriteAt(earlier->at(i) - 1, detached.bytes()))
            return false;
    }
    return true;
}

std::optional<Stored> load(qint64 record) {
    Record header(Archives::invoices());
    if (!RecordScan::readRecord(headersPath(), record, header))
        return std::nullopt;
    Stored stored{InvoiceRecord::header(header), InvoiceRecord::state(header), header.get("NomeFile")};
    const std::optional<QList<qint64>> numbers = lineRecords(record);
    if (!numbers)
        return std::nullopt;
    RecordFile lines(linesPath(), Archives::invoiceLines().size());
    if (!lines.openForReading())
        return std::nullopt;
    Record line(Archives::invoiceLines());
    for (qint64 n : *numbers) {
        if (!lines.readAt(n - 1, line.bytes()))
            return std::nullopt;
        const std::optional<InvoiceLine> read = InvoiceRecord::line(line);
        if (!read)
            return std::nullopt;
        stored.invoice.lines << *read;
    }
    return stored;
}

bool markIssued(qint64 record, const Invoice &invoice, const QString &fileName, const InvoiceTotals &totals) {
    Record header(Archives::invoices());
    InvoiceRecord::fillHeader(header, invoice, QString::fromLatin1(InvoiceRecord::Issued), &totals);
    header.set("NomeFile", fileName);
    RecordFile headers(headersPath(), Archives::invoices().size());
    return headers.open() && headers.overwriteAt(record - 1, header.bytes());
}

} // namespace InvoiceStore
