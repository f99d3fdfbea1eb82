#include "validators/VatNumberCheck.h"

#include <QStringList>

namespace VatNumberCheck {
namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Offices 001 to 102 in code order; 120 and 121 were issued later to the
// second offices of Bologna and Napoli and repeat 101 and 102.
const QStringList &offices() {
    static const QStringList names = {
        QStringLiteral("Torino"),
        QStringLiteral("Vercelli"),
        QStringLiteral("Novara"),
        QStringLiteral("Cuneo"),
        QStringLiteral("Asti"),
        QStringLiteral("Alessandria"),
        QStringLiteral("Aosta"),
        QStringLiteral("Imperia"),
        QStringLiteral("Savona"),
        QStringLiteral("Genova 1"),
        QStringLiteral("La Spezia"),
        QStringLiteral("Varese"),
        QStringLiteral("Como"),
        QStringLiteral("Sondrio"),
        QStringLiteral("Milano 1"),
        QStringLiteral("Bergamo"),
        QStringLiteral("Brescia 1"),
        QStringLiteral("Pavia"),
        QStringLiteral("Cremona"),
        QStringLiteral("Mantova"),
        QStringLiteral("Bolzano"),
        QStringLiteral("Trento"),
        QStringLiteral("Verona"),
        QStringLiteral("Vicenza"),
        QStringLiteral("Belluno"),
        QStringLiteral("Treviso"),
        QStringLiteral("Venezia"),
        QStringLiteral("Padova"),
        QStringLiteral("Rovigo"),
        QStringLiteral("Udine"),
        QStringLiteral("Gorizia"),
        QStringLiteral("Trieste"),
        QStringLiteral("Piacenza"),
        QStringLiteral("Parma"),
        QStringLiteral("Reggio Emilia"),
        QStringLiteral("Modena"),
        QStringLiteral("Bologna 1"),
        QStringLiteral("Ferrara"),
        QStringLiteral("Ravenna"),
        QStringLiteral("Forlì"),
        QStringLiteral("Pesaro"),
        QStringLiteral("Ancona"),
        QStringLiteral("Macerata"),
        QStringLiteral("Ascoli Piceno"),
        QStringLiteral("Massa Carrara"),
        QStringLiteral("Lucca"),
        QStringLiteral("Pistoia"),
        QStringLiteral("Firenze 1"),
        QStringLiteral("Livorno"),
        QStringLiteral("Pisa"),
        QStringLiteral("Arezzo"),
        QStringLiteral("Siena"),
        QStringLiteral("Grosseto"),
        QStringLiteral("Perugia"),
        QStringLiteral("Terni"),
        QStringLiteral("Viterbo"),
        QStringLiteral("Rieti"),
        QStringLiteral("Roma 1"),
        QStringLiteral("Latina"),
        QStringLiteral("Frosinone"),
        QStringLiteral("Caserta"),
        QStringLiteral("Benevento"),
        QStringLiteral("Napoli 1"),
        QStringLiteral("Avellino"),
        QStringLiteral("Salerno"),
        QStringLiteral("Aquila"),
        QStringLiteral("Teramo"),
        QStringLiteral("Pescara"),
        QStringLiteral("Chieti"),
        QStringLiteral("Campobasso"),
        QStringLiteral("Foggia"),
        QStringLiteral("Bari"),
        QStringLiteral("Taranto"),
        QStringLiteral("Brindisi"),
        QStringLiteral("Lecce"),
        QStringLiteral("Potenza"),
        QStringLiteral("Matera"),
        QStringLiteral("Cosenza"),
        QStringLiteral("Catanzaro"),
        QStringLiteral("Reggio Calabria"),
        QStringLiteral("Trapani"),
        QStringLiteral("Palermo"),
        QStringLiteral("Messina"),
        QStringLiteral("Agrigento"),
        QStringLiteral("Caltanissetta"),
        QStringLiteral("Enna"),
        QStringLiteral("Catania"),
        QStringLiteral("Ragusa"),
        QStringLiteral("Siracusa"),
        QStringLiteral("Sassari"),
        QStringLiteral("Nuoro"),
        QStringLiteral("Cagliari"),
        QStringLiteral("Pordenone"),
        QStringLiteral("Isernia"),
        QStringLiteral("Oristano"),
        QStringLiteral("Monza (Milano 2)"),
        QStringLiteral("Prato (Firenze 2)"),
        QStringLiteral("Brescia 2"),
        QStringLiteral("Chiavari (Genova 2)"),
        QStringLiteral("Roma 2"),
        QStringLiteral("Bologna 2"),
        QStringLiteral("Napoli 2"),
    };
    return names;
}

} // namespace

int checkDigit(const QString &number) {
    if (number.size() < Length - 1)
        return -1;
    int sum = 0;
    for (int i = 0; i < Length - 1; ++i) {
        const QChar c = number.at(i);
        if (!isDigit(c))
            return -1;
        const int d = c.unicode() - u'0';
        // Positions 1, 3, ... 9 (even i) count as they are; 2, 4, ... 10 count
        // the digit sum of their double.
        sum += (i % 2 == 0) ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

bool isValid(const QString &number) {
    if (number.size() != Length || !isDigit(number.at(Length - 1)))
        return false;
    const int c = checkDigit(number);
    return c >= 0 && number.at(Length - 1).unicode() - u'0' == c;
}

QString officeName(const QString &code) {
    if (code.size() != 3 || !isDigit(code.at(0)) || !isDigit(code.at(1)) || !isDigit(code.at(2)))
        return QString();
    int n = code.toInt();
    if (n == 120 || n == 121)
        n -= 19;
    return (n >= 1 && n <= offices().size()) ? offices().at(n - 1) : QString();
}

QString issuingOffice(const QString &number) { return officeName(number.mid(7, 3)); }

} // namespace VatNumberCheck
