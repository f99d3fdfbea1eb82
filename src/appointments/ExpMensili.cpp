#include "appointments/ExpMensili.h"

#include "appointments/AppointmentGrid.h"
#include "core/Archives.h"
#include "core/Formats.h"

namespace {

// The month and year read from the stored "dd/mm/yyyy" text, as written.
bool inMonth(const char *record, const QString &month, const QString &year) {
    static const int field = Archives::appointments().indexOf("Data");
    const QString date = decodeField(Archives::appointments(), record, field);
    return QStringView(date).mid(3, 2) == month && QStringView(date).mid(6, 4) == year;
}

} // namespace

TfrmExpMensili::TfrmExpMensili(const QDate &day, QWidget *parent)
    : ExportGrid(parent,
                 AppointmentGrid::agendaGrid(
                     QStringLiteral(" Appuntamenti del mese"),
                     [month = Formats::dateText(day).mid(3, 2), year = Formats::dateText(day).mid(6, 4)](
                         const char *r) { return inMonth(r, month, year); },
                     QStringLiteral("Appuntamenti_Mensili.xls"), QStringLiteral("Appuntamenti del mese"))) {
    setObjectName(QStringLiteral("frmExpMensili"));
}
