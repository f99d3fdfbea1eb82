#include "appointments/exports/ExpMensili.h"

#include "appointments/exports/AppointmentGrid.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"

namespace {

// The month and year read from the stored "dd/mm/yyyy" text, as written.
bool inMonth(const char *record, const QByteArray &month, const QByteArray &year) {
    static const int field = Archives::appointments().indexOf("Data");
    const QByteArrayView date = fieldBytes(Archives::appointments(), record, field);
    return date.size() >= 10 && date.sliced(3, 2) == month && date.sliced(6, 4) == year;
}

} // namespace

TfrmExpMensili::TfrmExpMensili(const QDate &day, QWidget *parent)
    : ExportGrid(parent,
                 AppointmentGrid::agendaGrid(
                     QStringLiteral(" Appuntamenti del mese"),
                     [month = Formats::dateText(day).mid(3, 2).toLatin1(),
                      year = Formats::dateText(day).mid(6, 4).toLatin1()](
                         const char *r) { return inMonth(r, month, year); },
                     QStringLiteral("Appuntamenti_Mensili.xls"), QStringLiteral("Appuntamenti del mese"))) {
    setObjectName(QStringLiteral("frmExpMensili"));
}
