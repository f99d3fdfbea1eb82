#pragma once
// The help text of the contract screen ("App Stesura Contratti") and of the
// contract archive export.
#include "core/text/HelpText.h"

HelpText contractHelp();       // "App Stesura Contratti"
HelpText contractExportHelp(); // "Esportazione archivio contratti in Excel"
