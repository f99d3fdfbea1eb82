#include "invoices/issue/InvoiceNumbering.h"

#include "core/platform/ProgramFolder.h"
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"
#include "core/records/RecordScan.h"
#include "core/text/Formats.h"

#include <QFileInfo>

namespace {

struct Seen {
    qint64 lastNumber = 0; // of the year asked
    qint64 lastProgressive = 0;
    std::optional<InvoiceNumbers> own; // what the invoice asked about was given before
};

void see(Seen &seen, const RecordLayout &layout, const char *record, qint64 invoice, const QByteArray &year) {
    const auto number = [&](const char *field) {
        return fieldBytes(layout, record, layout.indexOf(field)).toByteArray().toLongLong();
    };
    if (invoice > 0 && number("Fattura") == invoice)
        seen.own = InvoiceNumbers{number("Numero"), InvoiceNumbering::progressiveText(number("Progressivo"))};
    if (fieldBytes(layout, record, layout.indexOf("Anno")) == year)
        seen.lastNumber = std::max(seen.lastNumber, number("Numero"));
    seen.lastProgressive = std::max(seen.lastProgressive, number("Progressivo"));
}

InvoiceNumbers next(const Seen &seen, qint64 firstProgressive) {
    return {seen.lastNumber + 1,
            InvoiceNumbering::progressiveText(std::max(seen.lastProgressive + 1, firstProgressive))};
}

} // namespace

namespace InvoiceNumbering {

QString path() { return ProgramFolder::file(Archives::invoiceNumbers().fileName()); }

QString progressiveText(qint64 progressive) {
    return QStringLiteral("%1").arg(progressive, 5, 10, QLatin1Char('0'));
}

std::optional<InvoiceNumbers> peek(int year, qint64 firstProgressive) {
    const RecordLayout &layout = Archives::invoiceNumbers();
    Seen seen;
    const QByteArray yearText = QByteArray::number(year);
    // Only read: a look at the numbers creates no archive.
    if (QFileInfo::exists(path()) && !RecordScan::forEach(path(), layout, [&](const char *record, qint64) {
            see(seen, layout, record, 0, yearText);
            return true;
        }))
        return std::nullopt;
    InvoiceNumbers numbers = next(seen, firstProgressive);
    if (numbers.progressive.size() > 5)
        return std::nullopt;
    return numbers;
}

std::optional<InvoiceNumbers> take(qint64 invoice, const QDate &date, qint64 firstProgressive) {
    const RecordLayout &layout = Archives::invoiceNumbers();
    RecordFile file(path(), layout.size());
    if (!file.open())
        return std::nullopt;
    Record record(layout);
    std::optional<InvoiceNumbers> given;
    bool readFailed = false;
    const QByteArray yearText = QByteArray::number(date.year());
    // Under the lock: every number given so far is read, so the ones chosen
    // here are after all of them when the record lands.
    const auto choose = [&](qint64 count) {
        Seen seen;
        QByteArray block;
        if (count > 0) {
            QByteArray first;
            if (!file.readAt(0, first) || file.readBlock(block, count - 1) < 0) {
                readFailed = true;
            } else {
                block.prepend(first);
                for (qint64 i = 0; i < count; ++i)
                    see(seen, layout, block.constData() + i * layout.size(), invoice, yearText);
            }
        }
        if (readFailed || seen.own) {
            given = seen.own;
            record.bytes().clear(); // nothing to append: the append stops here
            return;
        }
        given = next(seen, firstProgressive);
        if (given->progressive.size() > 5) {
            given.reset();
            record.bytes().clear();
            return;
        }
        record.set("Fattura", QString::number(invoice));
        record.set("Anno", QString::fromLatin1(yearText));
        record.set("Numero", QString::number(given->number));
        record.set("Progressivo", given->progressive);
        record.set("Data", Formats::dateText(date));
    };
    const bool appended = file.append(record.bytes(), choose);
    file.close();
    if (readFailed)
        return std::nullopt;
    if (!appended && !(given && record.bytes().isEmpty()))
        return std::nullopt;
    return given;
}

} // namespace InvoiceNumbering
