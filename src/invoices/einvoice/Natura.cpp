#include "invoices/einvoice/Natura.h"

namespace Natura {

const QList<Choice> &choices() {
    static const QList<Choice> list = {
        {2200, "", "22%"},
        {1000, "", "10%"},
        {500, "", "5%"},
        {400, "", "4%"},
        {0, "N1", "0% N1 - Escluse ex art. 15 DPR 633/72"},
        {0, "N2.1", "0% N2.1 - Non soggette, artt. da 7 a 7-septies DPR 633/72"},
        {0, "N2.2", "0% N2.2 - Non soggette, altri casi (regime forfettario)"},
        {0, "N3.1", "0% N3.1 - Non imponibili, esportazioni"},
        {0, "N3.2", "0% N3.2 - Non imponibili, cessioni intracomunitarie"},
        {0, "N3.4", "0% N3.4 - Non imponibili, operazioni assimilate alle esportazioni"},
        {0, "N3.5", "0% N3.5 - Non imponibili, a seguito di dichiarazioni d'intento"},
        {0, "N3.6", "0% N3.6 - Non imponibili, altre operazioni"},
        {0, "N4", "0% N4 - Esenti"},
        {0, "N5", "0% N5 - Regime del margine"},
        {0, "N6.7", "0% N6.7 - Inversione contabile, prestazioni comparto edile e settori connessi"},
        {0, "N7", "0% N7 - IVA assolta in altro stato UE"},
    };
    return list;
}

QString reference(const QString &natura) {
    if (natura.isEmpty())
        return {};
    if (natura == QLatin1String(ReverseCharge))
        return QStringLiteral("Inversione contabile art. 17 c. 6 lett. a-ter DPR 633/72");
    if (natura == QLatin1String(FlatRate))
        return QStringLiteral("Operazione effettuata ai sensi dell'art. 1, commi da 54 a 89, L. 190/2014");
    for (const Choice &c : choices())
        if (natura == QLatin1String(c.natura))
            return QString::fromUtf8(c.caption).section(QStringLiteral(" - "), 1);
    return natura;
}

bool bearsStampDuty(const QString &natura) {
    return natura.startsWith(QLatin1String("N2")) || natura.startsWith(QLatin1String("N3")) ||
           natura == QLatin1String("N4");
}

bool isKnown(const QString &natura) {
    static const QStringList codes = {QStringLiteral("N1"),   QStringLiteral("N2.1"), QStringLiteral("N2.2"),
                                      QStringLiteral("N3.1"), QStringLiteral("N3.2"), QStringLiteral("N3.3"),
                                      QStringLiteral("N3.4"), QStringLiteral("N3.5"), QStringLiteral("N3.6"),
                                      QStringLiteral("N4"),   QStringLiteral("N5"),   QStringLiteral("N6.1"),
                                      QStringLiteral("N6.2"), QStringLiteral("N6.3"), QStringLiteral("N6.4"),
                                      QStringLiteral("N6.5"), QStringLiteral("N6.6"), QStringLiteral("N6.7"),
                                      QStringLiteral("N6.8"), QStringLiteral("N6.9"), QStringLiteral("N7")};
    return codes.contains(natura);
}

} // namespace Natura
