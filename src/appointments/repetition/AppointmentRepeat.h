#pragma once
// What other modules use of the appointments: the repetition screen opened on
// an appointment made elsewhere (the visits of a contract), a record of
// Archivio_Appuntamenti.pro not yet in the archive, with the repetition
// proposed, in the window " Pianifica interventi". The user may change the
// first date (today or later), the time, the operator, the services, the
// mobile and the repetition; "Crea appuntamenti" asks the appointment card's
// required fields and writes the appointment and its repetitions.
#include "appointments/repetition/Recurrence.h"

class QWidget;
class Record;

namespace AppointmentRepeat {
void open(QWidget *opener, const Record &appointment, const Recurrence::Rule &rule);
} // namespace AppointmentRepeat
