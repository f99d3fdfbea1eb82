#pragma once
// The help text of the week planner.
#include "core/HelpText.h"

HelpText planningHelp(); // "Planning settimanale"
