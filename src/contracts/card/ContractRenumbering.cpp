#include "contracts/card/ContractRenumbering.h"

#include "core/records/RecordLayout.h"
#include "core/text/TextRules.h"

namespace {

const char kNumber[] = "txtNumContratto";

} // namespace

std::optional<qint64> ContractRenumbering::propose() {
    const std::optional<ContractNumber::Proposal> proposal = ContractNumber::propose();
    if (!proposal)
        return std::nullopt; // the card keeps what it showed
    m_proposal = proposal;
    return proposal->number;
}

void ContractRenumbering::onAppend(qint64 count, Record &record) {
    m_renumbered.reset();
    // A number typed by hand (or changed) is kept as typed.
    if (!m_proposal || Text::trim(record.get(kNumber)) != QString::number(m_proposal->number))
        return;
    // Only contracts saved since Nuovo move it (an archive never shrinks).
    const qint64 number = ContractNumber::forRecord(m_proposal->start, count);
    if (number <= m_proposal->number)
        return;
    record.set(kNumber, QString::number(number));
    m_renumbered = {m_proposal->number, number};
}

QString ContractRenumbering::renumberedText(qint64 proposed, qint64 saved) {
    return QStringLiteral("Il numero %1 è stato assegnato nel frattempo a un altro contratto, salvato da "
                          "un'altra postazione.\n\r\n\rIl contratto corrente prende il numero %2.")
        .arg(proposed)
        .arg(saved);
}
