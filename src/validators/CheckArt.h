#pragma once
// The title bands of the check tools, painted at run time: a picture of what
// is checked, the title and a short subtitle on the program's blue band.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace CheckArt {

enum class Emblem {
    TaxCard,      // the plastic card that carries the tax code
    VatDocument,  // an invoice sheet with the VAT stamp
    PaymentCards, // two payment cards
    Bank          // a bank building
};

QPixmap band(Emblem emblem, const QString &title, const QString &subtitle, QSize size);

} // namespace CheckArt
