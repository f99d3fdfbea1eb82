#pragma once
// The numbers an issued invoice takes: the next number of its year and the
// next ProgressivoInvio (the e-invoice file's progressive, never used twice).
// Both are chosen and recorded in Fatture_Numeri.pro in one hold of its lock
// (RecordFile::append), so two desks issuing at the same moment never take
// the same ones. An invoice keeps what it was given: asked again (after a
// file that could not be written), it gets the same numbers back.
#include <QDate>
#include <QString>

#include <optional>

struct InvoiceNumbers {
    qint64 number = 0;   // within the year
    QString progressive; // five digits
};

namespace InvoiceNumbering {

inline constexpr qint64 LastProgressive = 99999;

QString path();
QString progressiveText(qint64 progressive); // "00042"

// The numbers of header record invoice, dated date; the progressive is at
// least firstProgressive (the settings' next one). Nothing when the archive
// cannot be written or the progressives are used up.
std::optional<InvoiceNumbers> take(qint64 invoice, const QDate &date, qint64 firstProgressive);

// What the next invoice of year would get now, without taking it (the
// numbers an invoice is checked with before it is issued).
std::optional<InvoiceNumbers> peek(int year, qint64 firstProgressive);

} // namespace InvoiceNumbering
