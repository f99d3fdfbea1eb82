#pragma once
// The number of a new contract while its card is on screen: Nuovo proposes
// one; Salva of a card still showing it counts the archive again in the same
// hold of its lock as the append, so when another station has saved
// contracts meanwhile the card takes the number after them and the user is
// told which. A number typed by hand, and a duplicate's, is saved as typed.
#include "contracts/card/ContractNumber.h"

#include <QString>

#include <optional>
#include <utility>

class Record;

class ContractRenumbering {
public:
    // Nuovo: the number proposed now; nothing when the start is no integer
    // or the archive cannot be opened.
    std::optional<qint64> propose();
    // The card no longer shows a number proposed (shown afresh, duplicated, saved).
    void forget() { m_proposal.reset(); }

    // Salva of a new card, under the archive's lock: a number still as proposed
    // becomes the one after the contracts stored now.
    void onAppend(qint64 count, Record &record);
    // After Salva: {proposed, saved} when the card had to take another number.
    std::optional<std::pair<qint64, qint64>> takeRenumbered() {
        return std::exchange(m_renumbered, std::nullopt);
    }

    // What Salva then says.
    static QString renumberedText(qint64 proposed, qint64 saved);

private:
    std::optional<ContractNumber::Proposal> m_proposal;
    std::optional<std::pair<qint64, qint64>> m_renumbered;
};
