#pragma once
// Every screen of the program as its opener makes it, one row a screen, for
// the tests that go over them all (geometry, the names their tables give). A
// new screen adds its row here.
#include "appointments/agenda/Agenda.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/summaries/Assolti.h"
#include "appointments/summaries/Confermati.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/exports/ExpScadenzario.h"
#include "appointments/planning/Planning.h"
#include "appointments/summaries/Scaduti.h"
#include "appointments/card/StampaScadenza.h"
#include "appointments/card/Startup.h"
#include "appointments/summaries/TrovaScadenze.h"
#include "appointments/agenda/WhatsApp_Message.h"
#include "backup/Salvataggio.h"
#include "clients/AllegaExcel.h"
#include "clients/Clienti.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/TrovaClienti.h"
#include "contracts/print/AnteprimaCon.h"
#include "contracts/card/Contratto.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/print/Logo.h"
#include "contracts/card/Numerazione.h"
#include "contracts/print/StampaCon.h"
#include "contracts/card/TrovaContratti.h"
#include "invoices/billing/DatiFatturazione.h"
#include "invoices/settings/ImpostazioniFatture.h"
#include "core/records/Archives.h"
#include "core/platform/Camera.h"
#include "core/platform/Clock.h"
#include "employees/card/AnteprimaDipendenti.h"
#include "employees/card/Dipendenti.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/register/MenuRiepStraordinari.h"
#include "overview/Andamento.h"
#include "employees/register/RiepStraordinari.h"
#include "employees/photo/Slideshow_Dipendenti.h"
#include "employees/card/StampaDipendenti.h"
#include "employees/card/TrovaDipendenti.h"
#include "employees/photo/WebCam.h"
#include "employees/photo/Zoom.h"
#include "privacy/Privacy.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Info.h"
#include "shell/Password.h"
#include "shell/Splash.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/widgets/Calendario.h"
#include "ui/card/CardParts.h"
#include "ui/windows/Guida.h"
#include "ui/windows/ModuleWindow.h"
#include "validators/Carta.h"
#include "validators/CodFisc.h"
#include "validators/Iban.h"
#include "validators/PartitaIVA.h"

#include "DialogsByName.h"
#include "TestEnv.h"

#include <QAbstractButton>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

// No camera: the webcam screen shows with its camera off.
class NoCamera : public CameraDevice {
public:
    bool exists() const override { return false; }
    void start() override {}
    void stop() override {}
    bool isActive() const override { return false; }
};

// What every screen needs to be made and shown in a test: a program folder,
// scripted messages and file dialogs, a recording shell, a fixed day, no camera.
struct EveryScreenDoubles {
    TempProgramFolder folder;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    EveryScreenDoubles() {
        Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(9, 30)));
        Camera::setFactory([] { return std::make_unique<NoCamera>(); });
    }
    ~EveryScreenDoubles() { Camera::setFactory({}); }
    EveryScreenDoubles(const EveryScreenDoubles &) = delete;
    EveryScreenDoubles &operator=(const EveryScreenDoubles &) = delete;
};

using Make = std::function<QWidget *()>;

// A screen brought to a second state before it is judged: a list with its entry panel forward.
template <typename Screen> Make withEntryPanel(std::function<Screen *()> make) {
    return [make]() {
        Screen *screen = make();
        auto *add = screen->template findChild<QAbstractButton *>(QStringLiteral("btnAggiungi"));
        Q_ASSERT(add);
        QTimer::singleShot(0, add, &QAbstractButton::click);
        return screen;
    };
}

// Every screen of the program as its opener makes it.
inline const std::map<QString, Make> &screens() {
    static const std::map<QString, Make> table = {
        // Module windows.
        {"Clienti", [] { return new TfrmClienti; }},
        {"Dipendenti", [] { return new TfrmDipendenti; }},
        {"Contratto", [] { return new TfrmContratto; }},
        {"Archivio_Scadenze", [] { return new TfrmArchivio_Scadenze; }},
        {"Agenda", [] { return new TfrmAgenda; }},
        {"Planning", [] { return new TfrmPlanning; }},
        {"MenuRiepStraordinari", [] { return new TfrmMenuRiepStraordinari; }},
        {"Andamento", [] { return new TfrmAndamento; }},
        // Start-up, menu and passwords.
        {"Password", [] { return new TfrmPassword; }},
        {"CambiaPassword", [] { return new TfrmCambiaPassword(nullptr); }},
        {"Avvio", [] { return new TfrmAvvio; }},
        {"Info", [] { return new TfrmInfo; }},
        {"Splash", [] { return new TfrmSplash; }},
        // Searches, summaries, lists.
        {"TrovaClienti", [] { return new TfrmTrovaClienti; }},
        {"TrovaDipendenti", [] { return new TfrmTrovaDipendenti; }},
        {"TrovaContratti", [] { return new TfrmTrovaContratti; }},
        {"TrovaScadenze", [] { return new TfrmTrovaScadenze; }},
        {"Ricontatta", [] { return new TfrmRicontatta; }},
        {"Assolti", [] { return new TfrmAssolti; }},
        {"Confermati", [] { return new TfrmConfermati; }},
        {"Scaduti", [] { return new TfrmScaduti; }},
        {"AllegaExcel", [] { return new TfrmAllegaExcel(nullptr, 1, QStringLiteral("Rossi Mario")); }},
        {"AllegaExcel entry panel", withEntryPanel<TfrmAllegaExcel>([] {
             return new TfrmAllegaExcel(nullptr, 1, QStringLiteral("Rossi Mario"));
         })},
        {"Lavori_Svolti entry panel", withEntryPanel<TfrmLavori_Svolti>([] {
             return new TfrmLavori_Svolti(nullptr, QStringLiteral("Rossi Mario"),
                                          QStringLiteral("RSSMRA80A01H501U"));
         })},
        {"Lavori_Svolti",
         [] {
             return new TfrmLavori_Svolti(nullptr, QStringLiteral("Rossi Mario"),
                                          QStringLiteral("RSSMRA80A01H501U"));
         }},
        {"RiepStraordinari",
         [] {
             return new TfrmRiepStraordinari(nullptr, QStringLiteral("RSSMRA80A01H501U"),
                                             QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
         }},
        // Export grids.
        {"ExpClienti", [] { return new TfrmExpClienti; }},
        {"ExpContratti", [] { return new TfrmExpContratti; }},
        {"ExpScadenzario", [] { return new TfrmExpScadenzario; }},
        {"ExpImminenti", [] { return new TfrmExpImminenti; }},
        {"ExpGiornaliere", [] { return new TfrmExpGiornaliere(QDate(2024, 3, 15)); }},
        {"ExpMensili", [] { return new TfrmExpMensili(QDate(2024, 3, 15)); }},
        // The launch dialogs of the printed documents and previews.
        {"StampaCon", [] { return new TfrmStampaCon(nullptr, Record(Archives::contracts())); }},
        {"AnteprimaCon", [] { return new TfrmAnteprimaCon(nullptr, Record(Archives::contracts())); }},
        {"StampaScadenza", [] { return new TfrmStampaScadenza(nullptr, Record(Archives::appointments())); }},
        {"Startup", [] { return new TfrmStartup(nullptr, Record(Archives::appointments())); }},
        {"StampaDipendenti",
         [] { return new TfrmStampaDipendenti(nullptr, Record(Archives::employees()), QImage()); }},
        {"AnteprimaDipendenti",
         [] { return new TfrmAnteprimaDipendenti(nullptr, Record(Archives::employees()), QImage()); }},
        // Satellite dialogs.
        {"Privacy", [] { return new TfrmPrivacy; }},
        {"AllegaCartella", [] { return new TfrmAllegaCartella; }},
        {"Calendario", [] { return new TfrmCalendario; }},
        {"Guida", [] { return new TfrmGuida; }},
        {"Numerazione", [] { return new TfrmNumerazione; }},
        {"Ripetizione", [] { return repetitionSample(); }},
        {"Ripetizione for a contract",
         [] {
             TfrmRipetizione *screen = repetitionSample();
             screen->allowChanges();
             return screen;
         }},
        {"Logo", [] { return new TfrmLogo; }},
        {"WhatsApp_Message", [] { return new TfrmWhatsApp_Message; }},
        {"WebCam", [] { return new TfrmWebCam; }},
        {"Slideshow_Dipendenti", [] { return new TfrmSlideshow_Dipendenti; }},
        {"Zoom", [] { return new TfrmZoom; }},
        {"Salvataggio", [] { return new TfrmSalvataggio; }},
        {"ImpostazioniFatture", [] { return new TfrmImpostazioniFatture; }},
        {"DatiFatturazione",
         [] {
             auto *screen = new TfrmDatiFatturazione;
             screen->setClient(1, QStringLiteral("Officine Brambilla S.p.A."), QStringLiteral("12345678903"), {},
                               QStringLiteral("amministrazione.brambilla@pec.it"));
             return screen;
         }},
        // Check tools.
        {"CodFisc", [] { return new TfrmCodFisc; }},
        {"PartitaIva", [] { return new TfrmPartitaIva; }},
        {"Iban", [] { return new TfrmIban; }},
        {"Carta", [] { return new TfrmCarta; }},
    };
    return table;
}
