#include "appointments/exports/AppointmentGrid.h"

#include "appointments/agenda/AgendaHelp.h"
#include "appointments/agenda/AgendaRules.h"
#include "core/records/Archives.h"

namespace AppointmentGrid {

QList<GridColumn> columns(bool withCode) {
    QList<GridColumn> c = {
        {.header = QStringLiteral("Data appuntamento"),
         .gridWidth = 130,
         .exportWidth = 180,
         .field = "Data"},
        {.header = QStringLiteral("Ora"), .gridWidth = 60, .exportWidth = 150, .field = "Ora"},
        {.header = QStringLiteral("Operatore"), .gridWidth = 160, .exportWidth = 280, .field = "Tipologia"},
        {.header = QStringLiteral("Servizi richiesti"),
         .gridWidth = 260,
         .exportWidth = 400,
         .field = "Causale"},
        {.header = QStringLiteral("Dettagli"), .gridWidth = 260, .exportWidth = 400, .field = "Dettagli"},
        {.header = QStringLiteral("Cliente"), .gridWidth = 200, .exportWidth = 300, .field = "Contatto"},
        {.header = QStringLiteral("Telefono"), .gridWidth = 120, .exportWidth = 200, .field = "Tel"},
        {.header = QStringLiteral("Cellulare"), .gridWidth = 120, .exportWidth = 200, .field = "Cel"},
        {.header = QStringLiteral("E-mail"), .gridWidth = 180, .exportWidth = 250, .field = "Email"},
        {.header = QStringLiteral("Modalità di pagamento"),
         .gridWidth = 200,
         .exportWidth = 300,
         .field = "Luogo"},
        {.header = QStringLiteral("Importo"), .gridWidth = 90, .exportWidth = 200, .field = "Importo"},
        {.header = QStringLiteral("Impegno assolto"),
         .gridWidth = 110,
         .exportWidth = 200,
         .field = "Ottemperata"},
        {.header = QStringLiteral("Note"), .gridWidth = 260, .exportWidth = 400, .field = "Note"},
    };
    if (withCode)
        c.append({.header = QStringLiteral("Codice univoco"),
                  .gridWidth = 120,
                  .exportWidth = 150,
                  .made = AgendaRules::uniqueCodeFormat()});
    return c;
}

ExportGridSpec agendaGrid(const QString &caption, std::function<bool(const char *)> selects,
                          const QString &fileName, const QString &sheetName) {
    ExportGridSpec s;
    s.caption = caption;
    s.layout = &Archives::appointments();
    s.columns = columns(true);
    s.selects = std::move(selects);
    s.sortColumn = int(s.columns.size()) - 1;
    s.fileName = fileName;
    s.sheetName = sheetName;
    s.help = appointmentGridHelp();
    return s;
}

} // namespace AppointmentGrid
