#pragma once
// The invoices the tests issue: the company, and the four kinds of client a
// cleaning company bills every month.
#include "invoices/einvoice/Invoice.h"
#include "invoices/einvoice/Natura.h"

#include <QMetaType>

namespace Samples {

inline InvoiceLine line(const QString &description, const char *quantity, const char *price, int rate = 2200,
                        const QString &natura = {}) {
    InvoiceLine l;
    l.description = description;
    l.quantity = *Decimal::parse(QString::fromLatin1(quantity));
    l.unitPrice = *Decimal::parse(QString::fromLatin1(price));
    l.rate = rate;
    l.natura = natura;
    return l;
}

inline Seller company() {
    Seller s;
    s.name = QStringLiteral("Splendor Pulizie S.r.l.");
    s.vatNumber = QStringLiteral("01234567897");
    s.taxCode = QStringLiteral("01234567897");
    s.street = QStringLiteral("Via dei Mille 12");
    s.postcode = QStringLiteral("20121");
    s.town = QStringLiteral("Milano");
    s.province = QStringLiteral("MI");
    s.iban = QStringLiteral("IT60X0542811101000000123456");
    s.bank = QStringLiteral("Banca Popolare");
    return s;
}

inline Invoice base(const Buyer &buyer) {
    Invoice invoice;
    invoice.date = QDate(2026, 3, 15);
    invoice.buyer = buyer;
    return invoice;
}

// A private person at 22%: FPR12, "0000000", tax code only.
inline Invoice privatePerson() {
    Buyer b;
    b.name = QStringLiteral("De Luca Anna Maria");
    b.taxCode = QStringLiteral("RSSMRA85T10A562S");
    b.street = QStringLiteral("Via Roma 5");
    b.postcode = QStringLiteral("00184");
    b.town = QStringLiteral("Roma");
    b.province = QStringLiteral("RM");
    Invoice i = base(b);
    i.lines << line(QStringLiteral("Pulizia appartamento"), "3", "33,33")
            << line(QStringLiteral("Lavaggio vetri"), "1,5", "19,99")
            << line(QStringLiteral("Panno"), "1", "0,02") << line(QStringLiteral("Spugna"), "1", "0,02")
            << line(QStringLiteral("Guanti"), "1", "0,02");
    return i;
}

// A business under reverse charge: every line at 0% N6.7.
inline Invoice business() {
    Buyer b;
    b.name = QStringLiteral("Officine Brambilla S.p.A.");
    b.vatNumber = QStringLiteral("12345678903");
    b.recipientCode = QStringLiteral("M5UXCR1");
    b.street = QStringLiteral("Viale Monza 200");
    b.postcode = QStringLiteral("20127");
    b.town = QStringLiteral("Milano");
    b.province = QStringLiteral("MI");
    b.reverseCharge = true;
    Invoice i = base(b);
    i.lines << line(QStringLiteral("Pulizia capannone marzo"), "1", "1250", 0,
                    QString::fromLatin1(Natura::ReverseCharge))
            << line(QStringLiteral("Pulizia uffici"), "12", "45,5555", 0,
                    QString::fromLatin1(Natura::ReverseCharge));
    return i;
}

// A public office under split payment: FPA12, a six-character office code.
inline Invoice publicOffice() {
    Buyer b;
    b.name = QStringLiteral("Comune di Sesto San Giovanni");
    b.vatNumber = QStringLiteral("09876543217");
    b.taxCode = QStringLiteral("80000012346");
    b.recipientCode = QStringLiteral("UFY9MH");
    b.street = QStringLiteral("Piazza della Resistenza 20");
    b.postcode = QStringLiteral("20099");
    b.town = QStringLiteral("Sesto San Giovanni");
    b.province = QStringLiteral("MI");
    b.publicOffice = true;
    b.splitPayment = true;
    Invoice i = base(b);
    i.lines << line(QStringLiteral("Pulizia scuola elementare"), "20", "17,35")
            << line(QStringLiteral("Sanificazione palestra"), "2,5", "80,10")
            << line(QStringLiteral("Disinfestazione archivio"), "1", "99,99", 1000);
    return i;
}

// An exempt invoice over 77,47 euro: the stamp duty.
inline Invoice exempt() {
    Invoice i = privatePerson();
    i.lines.clear();
    i.lines << line(QStringLiteral("Servizio di assistenza esente"), "2", "40", 0, QStringLiteral("N4"))
            << line(QStringLiteral("Pulizia ordinaria"), "1", "50");
    return i;
}

} // namespace Samples

Q_DECLARE_METATYPE(Invoice)
