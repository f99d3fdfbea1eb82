#pragma once
// An invoice as plain data: what the archive keeps, the totals are computed
// from and the e-invoice is written from.
#include "invoices/einvoice/Decimal.h"

#include <QDate>
#include <QList>
#include <QString>

struct InvoiceLine {
    QString description;
    Decimal quantity = Decimal::whole(1);
    Decimal unitPrice;
    int rate = 2200; // VAT in hundredths of a percent
    QString natura;  // only at 0%
    QString service; // the services entry it came from ("<client>/<entry>"), or empty
};

// Who an invoice is to or from: a name kept whole ("De Luca Anna Maria" is a
// Denominazione, never split into a guessed first and last name).
struct Party {
    QString name;
    QString vatNumber; // partita IVA, digits
    QString taxCode;   // codice fiscale
    QString country = QStringLiteral("IT");
    QString street;
    QString postcode;
    QString town;
    QString province;
};

struct Seller : Party {
    QString regime = QStringLiteral("RF01"); // RegimeFiscale
    QString iban;
    QString bank;
    QString pec;
    QString phone;
};

struct Buyer : Party {
    qint64 clientNumber = 0; // the client's record number, 0 when typed by hand
    QString recipientCode;   // 7 characters, 6 for a public office
    QString pec;             // the address invoices reach by PEC
    bool publicOffice = false;
    bool splitPayment = false;
    bool reverseCharge = false;
};

struct Invoice {
    static constexpr const char *Bill = "TD01";
    static constexpr const char *CreditNote = "TD04";

    QString type = QString::fromLatin1(Bill);
    QDate date;
    QString number;      // given when issued
    QString progressive; // ProgressivoInvio, given when issued
    Buyer buyer;
    QList<InvoiceLine> lines;
    QString payment = QStringLiteral("MP05"); // ModalitaPagamento
    int paymentDays = 30;
    QDate due;
    QString causale;
    bool stampCharged = false; // the 2 euro stamp duty added to what the client pays
    // A credit note's invoice.
    QString linkedNumber;
    QDate linkedDate;

    bool isCreditNote() const { return type == QLatin1String(CreditNote); }
};
