#pragma once
// The help text of the backup screen, also a chapter of the manual.
#include "core/text/HelpText.h"

HelpText backupHelp(); // "Copia di sicurezza degli archivi"
