#include "appointments/repetition/AppointmentRepeat.h"

#include "appointments/repetition/Ripetizione.h"

namespace AppointmentRepeat {
void open(QWidget *opener, const Record &appointment, const Recurrence::Rule &rule) {
    TfrmRipetizione screen(opener, appointment, true);
    screen.allowChanges();
    screen.setRule(rule);
    screen.exec();
}
} // namespace AppointmentRepeat
