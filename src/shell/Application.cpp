#include "shell/Application.h"

#include "appointments/agenda/Agenda.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "backup/BackupSettings.h"
#include "backup/RestoreAtStartUp.h"
#include "clients/Clienti.h"
#include "contracts/card/Contratto.h"
#include "core/text/Formats.h"
#include "core/files/StaleTemporaries.h"
#include "employees/card/Dipendenti.h"
#include "employees/register/MenuRiepStraordinari.h"
#include "overview/Andamento.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "ui/windows/ModuleWindow.h"
#include "ui/windows/WindowPlacement.h"
#include "shell/Password.h"
#include "shell/QtCatalogue.h"
#include "reports/Manual.h"
#include "shell/HelpTexts.h"

#include <QApplication>
#include <QTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace Tersalia {
namespace {
Screens &current() {
    static Screens s;
    return s;
}
std::function<void()> &terminateHandler() {
    static std::function<void()> handler = []() { QCoreApplication::quit(); };
    return handler;
}
} // namespace

Screens createLogin() {
    Formats::install();
    WindowPlacement::install();
    Screens &s = current();
    if (!s.password)
        s.password = new TfrmPassword;
    return s;
}

Screens createModules() {
    Screens &s = current();
    if (!s.password)
        createLogin();
    if (s.avvio)
        return s;
    s.avvio = new TfrmAvvio;
    s.cambiaPassword = new TfrmCambiaPassword(s.password);
    s.password->setScreens(s.avvio, s.cambiaPassword);
    s.agenda = new TfrmAgenda;
    s.scadenze = new TfrmArchivio_Scadenze;
    s.agenda->setCard(s.scadenze);
    s.avvio->setModule(5, s.agenda);
    s.dipendenti = new TfrmDipendenti;
    s.avvio->setModule(1, s.dipendenti);
    s.menuRiepStraordinari = new TfrmMenuRiepStraordinari;
    s.avvio->setModule(2, s.menuRiepStraordinari);
    s.clienti = new TfrmClienti;
    s.avvio->setModule(3, s.clienti);
    s.contratto = new TfrmContratto;
    s.avvio->setModule(4, s.contratto);
    s.andamento = new TfrmAndamento;
    s.avvio->setOverview(s.andamento);
    ModuleWindow::setMenu(s.avvio);
    return s;
}

Screens createScreens() {
    createLogin();
    return createModules();
}

const Screens &screens() { return current(); }

void destroyScreens() {
    Screens &s = current();
    delete s.andamento;
    delete s.menuRiepStraordinari;
    delete s.dipendenti;
    delete s.clienti;
    delete s.contratto;
    delete s.scadenze;
    delete s.agenda;
    delete s.cambiaPassword;
    delete s.avvio;
    delete s.password;
    ModuleWindow::setMenu(nullptr);
    s = Screens();
}

bool beforeLogin() { return RestoreAtStartUp::run(nullptr); }

void terminate() { terminateHandler()(); }

void setTerminateHandler(std::function<void()> handler) {
    terminateHandler() = handler ? std::move(handler) : []() { QCoreApplication::quit(); };
}

namespace {
// What LC_ALL was before preferItalianLocale(), given back once Qt has read it.
struct SavedLocaleVariable {
    bool saved = false;
    bool had = false;
    QByteArray value;
};
SavedLocaleVariable &savedLocale() {
    static SavedLocaleVariable s;
    return s;
}
} // namespace

void preferItalianLocale() {
    SavedLocaleVariable &s = savedLocale();
    if (!s.saved) {
        s.saved = true;
        s.had = qEnvironmentVariableIsSet("LC_ALL");
        s.value = qgetenv("LC_ALL");
    }
    qputenv("LC_ALL", "it_IT.UTF-8");
}

bool installItalian() {
    Formats::install();
    SavedLocaleVariable &s = savedLocale();
    if (s.saved) {
        (void)QLocale::system(); // read now, while the environment says Italian
        if (s.had)
            qputenv("LC_ALL", s.value);
        else
            qunsetenv("LC_ALL");
        s.saved = false;
        // The C library keeps reading and writing numbers with a point.
        std::setlocale(LC_NUMERIC, "C");
    }
    static QTranslator *installed = nullptr;
    if (installed)
        return true;
    auto *catalogue = new QtCatalogue(QCoreApplication::instance());
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        if (catalogue->load(QStringLiteral("qtbase_it"), folder)) {
            QCoreApplication::installTranslator(catalogue);
            installed = catalogue;
            return true;
        }
    }
    delete catalogue;
    return false;
}

int clearLeftovers() {
    // The backup copies' folder too: a copy being written is a temporary there.
    return StaleTemporaries::removeLeftovers({BackupSettings::last().folder});
}

int run(int argc, char *argv[]) {
    // Software rendering: no hardware acceleration needed on office PCs.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    preferItalianLocale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tersalia"));
    QApplication::setQuitOnLastWindowClosed(false);
    installItalian();
    // A restore cut short is finished or undone before anyone works on the data.
    if (!beforeLogin())
        return 0;
    // The login window is shown first, alone; the other screens are made as
    // soon as it is up, long before a password can be typed (the login makes
    // them itself should it need them sooner). The manual opened by every help
    // screen is written then too, on the first start, and what a crash left of
    // a file being written is cleared away.
    createLogin().password->show();
    QTimer::singleShot(0, &app, []() {
        clearLeftovers();
        Manual::ensureInProgramFolder(HelpTexts::manual());
        createModules();
    });
    const int rc = app.exec();
    destroyScreens();
    return rc;
}

} // namespace Tersalia
