#pragma once
// The help text of the appointment card (its Guida button); the main help
// repeats it as its chapter on the appointment card file.
#include "core/HelpText.h"

HelpText appointmentCardHelp(); // "App Schedario Appuntamenti"
