#include "core/records/AppointmentState.h"

#include "core/records/Archives.h"
#include "core/text/Formats.h"

namespace Appointments {
namespace {

const RecordLayout &layout() { return Archives::appointments(); }

} // namespace

AppointmentState state(Flags::YesNo fulfilled, const QDate &date, const QDate &today) {
    switch (fulfilled) {
    case Flags::YesNo::Yes:
        return AppointmentState::Fulfilled;
    case Flags::YesNo::No:
        return date.isValid() && date < today ? AppointmentState::Overdue : AppointmentState::ToFulfil;
    case Flags::YesNo::Neither:
        break;
    }
    return AppointmentState::ToFulfil;
}

Flags::YesNo fulfilledFlag(const char *record) {
    static const int field = layout().indexOf("Ottemperata");
    return Flags::read(fieldBytes(layout(), record, field));
}

AppointmentState state(const char *record, const QDate &today) {
    static const int date = layout().indexOf("Data");
    const Flags::YesNo flag = fulfilledFlag(record);
    if (flag != Flags::YesNo::No)
        return state(flag, QDate(), today);
    return state(flag, Formats::parseDate(fieldBytes(layout(), record, date)), today);
}

} // namespace Appointments
