#include "appointments/exports/ExpImminenti.h"

#include "appointments/agenda/AgendaRules.h"
#include "appointments/exports/AppointmentGrid.h"
#include "core/platform/Clock.h"

// Today is taken when the screen is created, as the agenda's list does.
TfrmExpImminenti::TfrmExpImminenti(QWidget *parent)
    : ExportGrid(parent,
                 AppointmentGrid::agendaGrid(
                     QStringLiteral(" Appuntamenti imminenti"),
                     [today = Clock::today()](const char *r) { return AgendaRules::isImminent(r, today); },
                     QStringLiteral("Appuntamenti_Imminenti.xls"),
                     QStringLiteral("Appuntamenti imminenti"))) {
    setObjectName(QStringLiteral("frmExpImminenti"));
}
