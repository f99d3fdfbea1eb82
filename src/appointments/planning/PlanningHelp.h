#pragma once
// The help text of the week planner.
#include "core/text/HelpText.h"

HelpText planningHelp(); // "Planning settimanale"
