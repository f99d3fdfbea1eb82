#pragma once
// The help texts of the employee module.
#include "core/text/HelpText.h"

HelpText employeeCardHelp(); // "App Archivio Dipendenti e Prestazioni"
HelpText workingHoursHelp(); // "App Riepilogo Ore di Lavoro"
