#pragma once
// The help text of the appointment card (its Guida button); the main help
// repeats it as its chapter on the appointment card file.
#include "core/text/HelpText.h"

HelpText appointmentCardHelp(); // "App Schedario Appuntamenti"
