#include "appointments/ExpImminenti.h"

#include "appointments/AgendaRules.h"
#include "appointments/AppointmentGrid.h"
#include "core/Clock.h"

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
