// Kept apart from Manual.cpp: only the start-up needs the program's own help
// texts, so the manual can be built and tested from any list of chapters.
#include "reports/Manual.h"

namespace Manual {

bool ensureInstalled() { return ensureInProgramFolder(HelpTexts::manual()); }

} // namespace Manual
