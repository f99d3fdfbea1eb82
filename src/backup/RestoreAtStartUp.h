#pragma once
// The first step of a start, before the login: a restore cut short is
// finished, or undone, and the user is told which (RestoreRecovery).
#include "backup/engine/RestoreRecovery.h"

class QWidget;

namespace RestoreAtStartUp {

// The message for what the recovery did; empty when there was nothing to do.
QString text(const RestoreRecovery::Result &result);
// Runs the recovery on the program folder and tells the user; false when the
// program must not go on (the folder is still part old and part new, or
// another station is restoring into it right now).
bool run(QWidget *parent = nullptr);

} // namespace RestoreAtStartUp
