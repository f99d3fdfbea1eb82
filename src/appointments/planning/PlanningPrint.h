#pragma once
// The week planner's week printed through the report engine: A4 landscape,
// the seven day headings, the hours 06:00 to 22:00 in half-hour rows, the
// early and late strips and the same blocks as on screen, each a framed memo
// named "blk" + its record number, in the colours of its state.
// Its screen: appointments/planning/Planning.
#include "appointments/planning/PlanningWeek.h"

class QWidget;
class ReportEngine;

namespace PlanningPrint {

// The most lines a strip prints; the rest of a day's strip is told as a count.
constexpr int stripMostLines = 6;

// Loads the template and adds the week; false when the template cannot be loaded.
bool fill(ReportEngine &engine, const Planning::Week &week, const QList<Planning::Block> &blocks,
          const QString &operatorName);
// The preview window, whose print button prints the week.
void preview(QWidget *parent, const Planning::Week &week, const QList<Planning::Block> &blocks,
             const QString &operatorName);

} // namespace PlanningPrint
