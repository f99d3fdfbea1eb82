#pragma once
// The help texts of the agenda, of its three appointment grids and of the
// appointment archive export; the main help repeats the agenda's as its
// chapter on the agenda.
#include "core/text/HelpText.h"

HelpText agendaHelp();          // "App Agenda Interventi Programmati"
HelpText appointmentGridHelp(); // "Visualizzazione appuntamenti"
HelpText archiveExportHelp();   // "Esportazione archivio appuntamenti in Excel"
