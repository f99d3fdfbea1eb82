#pragma once
// The hand-off from a contract to the repetition screen: the contract's
// visits for a year as repeated appointments (ContractVisits), from the
// contract as it is on screen; the contract itself is not changed.
#include <QString>

class QWidget;
class Record;

namespace ContractPlanning {

// Opens the repetition screen over parent for the contract (a Contratti.pro record).
void open(QWidget *parent, const Record &contract);
// What the contract screen says when the contract names no client.
QString noClientText();

} // namespace ContractPlanning
