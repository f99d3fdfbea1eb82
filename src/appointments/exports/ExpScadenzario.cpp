#include "appointments/exports/ExpScadenzario.h"

#include "appointments/agenda/AgendaHelp.h"
#include "appointments/exports/AppointmentGrid.h"
#include "core/records/Archives.h"

namespace {
ExportGridSpec archiveGrid() {
    ExportGridSpec s;
    s.caption = QStringLiteral(" Esportazione archivio appuntamenti");
    s.layout = &Archives::appointments();
    s.columns = AppointmentGrid::columns(false);
    s.fileName = QStringLiteral("Riepilogo_Appuntamenti.xls");
    s.sheetName = QStringLiteral("Riepilogo Appuntamenti");
    s.help = archiveExportHelp();
    return s;
}
} // namespace

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *parent) : ExportGrid(parent, archiveGrid()) {
    setObjectName(QStringLiteral("frmExpScadenzario"));
}
