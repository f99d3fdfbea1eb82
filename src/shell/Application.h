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
class TfrmContratto;
class TfrmAndamento;

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
    TfrmContratto *contratto = nullptr;
    TfrmAndamento *andamento = nullptr; // the year's overview, from the menu's imgAndamento
};

// Creates the long-lived screens in their start-up order and wires the
// modules into the main menu. The caller owns them.
Screens createScreens();
// The same in two steps, so the login shows before the rest is made: the
// login screen alone, then (once, whenever called again) everything else.
Screens createLogin();
Screens createModules();
const Screens &screens();
void destroyScreens();

// Makes Italian the locale Qt takes as the machine's, whatever the machine
// says: Qt's own dialogs write dates and sizes in it (the file dialog's list
// and side panel). Qt reads it when the application object is made, so this
// comes before; installItalian() then gives the environment back unchanged to
// the programs the user opens from here.
void preferItalianLocale();
// Loads Qt's own Italian texts (print, file and overwrite dialogs), from Qt's
// translations folder or a "translations" folder beside the executable, and
// makes Italian the default locale of every widget. False when no catalogue
// is found (the dialogs then stay in English).
bool installItalian();

// Removes what a crash left of a file being written whole, in the program's
// folders and in the folder of the backup copies (core/files/StaleTemporaries);
// how many files it removed. Part of the first turn of the event loop.
int clearLeftovers();

// What a start does before the login shows: a restore cut short (the program
// killed, a power cut) is finished from the copy's verified files or undone,
// and the user told which. False when the program must not go on.
bool beforeLogin();

int run(int argc, char *argv[]);

} // namespace Tersalia

#include <functional>

namespace Tersalia {
// Ends the message loop and the process (tests replace the ending).
void terminate();
void setTerminateHandler(std::function<void()> handler);
} // namespace Tersalia
