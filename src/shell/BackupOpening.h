#pragma once
// The backup screen as the shell opens it: from the main menu, and from the
// reminder after a login. A restore done there ends the program.
class QWidget;

namespace BackupOpening {

void openScreen(QWidget *owner);
// After a successful login: the reminder, and the screen when the user says Sì.
void remind(QWidget *owner);

} // namespace BackupOpening
