#pragma once
// The contract numbering: a new contract takes the first number ("Inizio" of
// Contratti.ini, 1 when missing or empty) plus the contracts stored before it.
// Nuovo proposes the number from the count at that moment; Salva counts
// again under the archive's lock, so two stations saving proposed numbers at
// once never store the same one.
// Its screen: contracts/card/Contratto.
#include <QString>

#include <optional>

namespace ContractNumber {

struct Proposal {
    qint64 start;  // the first number read at Nuovo
    qint64 number; // start + contracts stored then
};

// The first number from its stored text (empty: 1); nothing when it is not
// an integer (a fraction such as "100,5" included).
std::optional<qint64> startFrom(const QString &stored);

// Reads the first number and counts Contratti.pro (created when missing);
// nothing when the start is not an integer or the archive cannot be opened.
std::optional<Proposal> propose();

// The number of the contract that becomes record count + 1.
inline qint64 forRecord(qint64 start, qint64 count) { return start + count; }

} // namespace ContractNumber
