#pragma once
// The help text of the year's overview, also a chapter of the manual.
#include "core/text/HelpText.h"

HelpText andamentoHelp(); // "Andamento dell'anno"
