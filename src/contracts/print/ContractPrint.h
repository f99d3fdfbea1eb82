#pragma once
// The two-page contract "Contratto Pulizie", filled from what the contract
// screen holds (saved or not): a record of Archives::contracts() and the logo.
#include "core/records/RecordLayout.h"

#include <QImage>
#include <QStringList>

class QWidget;
class ReportEngine;

namespace ContractPrint {

// The seventeen article titles of the clauses page, in order.
QStringList articleTitles();

// Loads the template, turns it to portrait and fills every object; false when
// the template cannot be loaded or lacks an object.
bool fill(ReportEngine &engine, const Record &contract, const QImage &logo);

// False when printing or the preview failed (the caller warns).
bool print(QWidget *parent, const Record &contract, const QImage &logo);
bool preview(QWidget *parent, const Record &contract, const QImage &logo);

} // namespace ContractPrint
