#pragma once
// Start-up: software rendering, the long-lived screens created once, the
// login screen first and the only one visible.
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmArchivio_Scadenze;
class TfrmAgenda;
class TfrmDipendenti;
class TfrmMenuRiepStraordinari;
class TfrmClienti;

namespace Tersalia {

struct Screens {
    TfrmPassword *password = nullptr;
    TfrmAvvio *avvio = nullptr;
    TfrmCambiaPassword *cambiaPassword = nullptr;
    TfrmAgenda *agenda = nullptr;
    TfrmArchivio_Scadenze *scadenze = nullptr; // the appointment card, shown by the agenda
    TfrmDipendenti *dipendenti = nullptr;
    TfrmMenuRiepStraordinari *menuRiepStraordinari = nullptr;
    TfrmClienti *clienti = nullptr;
};

// Creates the long-lived screens in their start-up order and wires the
// modules into the main menu. The caller owns them.
Screens createScreens();
const Screens &screens();
void destroyScreens();

int run(int argc, char *argv[]);

} // namespace Tersalia

#include <functional>

namespace Tersalia {
// Ends the message loop and the process (tests replace the ending).
void terminate();
void setTerminateHandler(std::function<void()> handler);
} // namespace Tersalia
