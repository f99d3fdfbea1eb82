#include "appointments/repetition/AppointmentRepeat.h"

#include "appointments/repetition/Ripetizione.h"

namespace AppointmentRepeat {
void open(QWidget *opener, const Record &appointment, const Recurrence::Rule &rule) {
    TfrmRipetizione screen(opener, appointment, true);
    screen.setTitle(QStringLiteral(" Pianifica interventi"), QStringLiteral("Pianifica interventi"),
                    {QStringLiteral("Gli interventi del contratto come appuntamenti ripetuti: controllare il "
                                    "primo, l'operatore e il cellulare, poi premere Crea appuntamenti.")});
    screen.allowChanges();
    screen.setRule(rule);
    screen.exec();
}
} // namespace AppointmentRepeat
