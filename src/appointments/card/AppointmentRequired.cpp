#include "appointments/card/AppointmentRequired.h"

#include <cstring>

namespace AppointmentRequired {

const QList<Field> &fields() {
    static const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    static const QList<Field> list = {
        {"txtData", need + QStringLiteral("la data dell'appuntamento.")},
        {"txtAvviso", need + QStringLiteral("i giorni di preavviso rispetto alla data dell'appuntamento.")},
        {"txtCausale", need + QStringLiteral("i servizi richiesti dal cliente.")},
        {"txtContatto", need + QStringLiteral("il nome del cliente.")},
        {"txtCel", need + QStringLiteral("il numero di cellulare del cliente.")},
    };
    return list;
}

int orderOf(const char *control) {
    const QList<Field> &list = fields();
    for (int i = 0; i < list.size(); ++i)
        if (std::strcmp(list[i].control, control) == 0)
            return i + 1;
    return 0;
}

QString warningFor(const char *control) {
    const int order = orderOf(control);
    return order > 0 ? fields()[order - 1].warning : QString();
}

} // namespace AppointmentRequired
