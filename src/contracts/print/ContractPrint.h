#pragma once
// The two-page contract "Contratto Pulizie", filled from what the contract
// screen holds (saved or not): a record of Archives::contracts() and the logo.
// Its screens: contracts/print/StampaCon and AnteprimaCon.
#include "core/records/RecordLayout.h"

#include <QImage>
#include <QStringList>

class ReportEngine;

namespace ContractPrint {

// The seventeen article titles of the clauses page, in order.
QStringList articleTitles();

// Loads the template, turns it to portrait and fills every object; false when
// the template cannot be loaded or lacks an object. The contract's print and
// preview screens (StampaCon, AnteprimaCon) send it out.
bool fill(ReportEngine &engine, const Record &contract, const QImage &logo);

} // namespace ContractPrint
