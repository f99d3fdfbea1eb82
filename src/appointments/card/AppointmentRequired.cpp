#include "appointments/card/AppointmentRequired.h"

namespace AppointmentRequired {

const QList<RequiredField> &fields() {
    static const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    static const QList<RequiredField> list = {
        {"txtData", need + QStringLiteral("la data dell'appuntamento.")},
        {"txtAvviso", need + QStringLiteral("i giorni di preavviso rispetto alla data dell'appuntamento.")},
        {"txtCausale", need + QStringLiteral("i servizi richiesti dal cliente.")},
        {"txtContatto", need + QStringLiteral("il nome del cliente.")},
        {"txtCel", need + QStringLiteral("il numero di cellulare del cliente.")},
    };
    return list;
}

} // namespace AppointmentRequired
