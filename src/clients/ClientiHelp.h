#pragma once
// The help text of the client card (its Guida button).
#include "core/text/HelpText.h"

HelpText clientCardHelp(); // "App Clienti e Servizi"
