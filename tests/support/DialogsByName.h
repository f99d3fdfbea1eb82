#pragma once
// The program's small dialogs made by name, as their openers make them, for
// the tests that go over every dialog (keys, window frames). The long-lived
// password screens come from the start-up's screens (Tersalia::createScreens
// first); the others are made here and owned by the caller.
#include "appointments/repetition/Ripetizione.h"
#include "contracts/print/Logo.h"
#include "core/records/Archives.h"
#include "contracts/card/Numerazione.h"
#include "shell/Application.h"
#include "shell/CambiaPassword.h"
#include "shell/Info.h"
#include "shell/Password.h"
#include "shell/Splash.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/widgets/Calendario.h"
#include "ui/windows/Guida.h"

#include <QStringList>
#include <memory>

// The repetition of a Tuesday appointment, twice a week, ten visits in all
// (Epiphany among them).
inline TfrmRipetizione *repetitionSample() {
    Record r(Archives::appointments());
    r.set("Data", QStringLiteral("30/12/2025"));
    r.set("Ore", QStringLiteral("09"));
    r.set("Minuti", QStringLiteral("30"));
    r.set("Contatto", QStringLiteral("Condominio Aurora"));
    r.set("Causale", QStringLiteral("Pulizia scale e androne"));
    auto *screen = new TfrmRipetizione(nullptr, r, true);
    screen->setRule({.first = QDate(2025, 12, 30),
                     .every = 1,
                     .unit = Recurrence::Unit::Weeks,
                     .weekdays = Recurrence::weekdayBit(Qt::Tuesday) | Recurrence::weekdayBit(Qt::Friday),
                     .count = 10});
    return screen;
}

inline const QStringList &dialogNames() {
    static const QStringList names = {QStringLiteral("cambia password"), QStringLiteral("accesso"),
                                      QStringLiteral("allegati"),        QStringLiteral("numerazione"),
                                      QStringLiteral("calendario"),      QStringLiteral("logo"),
                                      QStringLiteral("guida"),           QStringLiteral("informazioni"),
                                      QStringLiteral("crediti"),         QStringLiteral("ripetizione")};
    return names;
}

// The dialog of that name; owned holds it unless it is a long-lived screen.
inline QWidget *dialogByName(const QString &name, std::unique_ptr<QWidget> &owned) {
    if (name == QLatin1String("cambia password"))
        return Tersalia::screens().cambiaPassword;
    if (name == QLatin1String("accesso"))
        return Tersalia::screens().password;
    if (name == QLatin1String("numerazione"))
        owned = std::make_unique<TfrmNumerazione>();
    else if (name == QLatin1String("allegati"))
        owned = std::make_unique<TfrmAllegaCartella>();
    else if (name == QLatin1String("calendario"))
        owned = std::make_unique<TfrmCalendario>();
    else if (name == QLatin1String("logo"))
        owned = std::make_unique<TfrmLogo>();
    else if (name == QLatin1String("guida"))
        owned = std::make_unique<TfrmGuida>();
    else if (name == QLatin1String("informazioni"))
        owned = std::make_unique<TfrmInfo>();
    else if (name == QLatin1String("crediti"))
        owned = std::make_unique<TfrmSplash>();
    else if (name == QLatin1String("ripetizione"))
        owned.reset(repetitionSample());
    return owned.get();
}
