#include "appointments/exports/ExpGiornaliere.h"

#include "appointments/exports/AppointmentGrid.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"

TfrmExpGiornaliere::TfrmExpGiornaliere(const QDate &day, QWidget *parent)
    : ExportGrid(parent,
                 AppointmentGrid::agendaGrid(
                     QStringLiteral(" Appuntamenti del giorno"),
                     [text = Formats::dateText(day).toLatin1(), field = Archives::appointments().indexOf("Data")](
                         const char *r) { return fieldBytes(Archives::appointments(), r, field) == text; },
                     QStringLiteral("Appuntamenti_Giornalieri.xls"),
                     QStringLiteral("Appuntamenti del giorno"))) {
    setObjectName(QStringLiteral("frmExpGiornaliere"));
}
