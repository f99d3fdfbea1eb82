#include "shell/BackupOpening.h"

#include "backup/BackupReminder.h"
#include "backup/Salvataggio.h"
#include "shell/Application.h"
#include "ui/windows/Satellite.h"

namespace BackupOpening {

void openScreen(QWidget *owner) {
    openSatellite<TfrmSalvataggio>(
        owner, [](TfrmSalvataggio *screen) { screen->setOnRestored([]() { Tersalia::terminate(); }); });
}

void remind(QWidget *owner) {
    if (BackupReminder::ask(owner))
        openScreen(owner);
}

} // namespace BackupOpening
