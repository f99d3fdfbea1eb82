#pragma once
// The columns shared by the appointment export grids: the agenda's three
// grids (with the unique code, sorted by it) and the whole archive's export.
// Its screens: ExpImminenti, ExpGiornaliere, ExpMensili and ExpScadenzario.
#include "ui/export/ExportGrid.h"

namespace AppointmentGrid {

// "Data appuntamento" to "Note"; withCode adds "Codice univoco".
QList<GridColumn> columns(bool withCode);
// An agenda grid: the selected appointments sorted by their unique code.
ExportGridSpec agendaGrid(const QString &caption, std::function<bool(const char *)> selects,
                          const QString &fileName, const QString &sheetName);

} // namespace AppointmentGrid
