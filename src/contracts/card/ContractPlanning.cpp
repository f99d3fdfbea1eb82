#include "contracts/card/ContractPlanning.h"

#include "appointments/repetition/AppointmentRepeat.h"
#include "contracts/card/ContractVisits.h"
#include "core/platform/Clock.h"
#include "core/records/FieldAliases.h"
#include "core/text/Formats.h"

namespace ContractPlanning {

void open(QWidget *parent, const Record &contract) {
    ContractVisits::Contract c{.number = contract.get("txtNumContratto"),
                               .date = contract.get("txtData"),
                               .client = contract.get("txtCliente"),
                               .vat = contract.get("txtPartitaIvaCli"),
                               .taxCode = contract.get("txtCodFiscCli"),
                               .phone = contract.get("txtTelCli"),
                               .hours = contract.get(ContractField::OrariIntervento),
                               .frequency = contract.get(ContractField::Frequenza)};
    for (const char *activity : {"txtOpInc01", "txtOpInc02", "txtOpInc03", "txtOpInc04"})
        c.included << contract.get(activity);
    const Record appointment = ContractVisits::appointment(c, Clock::today());
    AppointmentRepeat::open(
        parent, appointment,
        ContractVisits::repetition(c.frequency, Formats::parseDate(appointment.get("Data"))));
}

QString noClientText() {
    return QStringLiteral("Attenzione: per pianificare gli interventi è necessario indicare il nome o la "
                          "ragione sociale del cliente.");
}

} // namespace ContractPlanning
