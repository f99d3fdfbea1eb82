#pragma once
// The program's small dialogs made by name, as their openers make them, for
// the tests that go over every dialog (keys, window frames). The long-lived
// password screens come from the start-up's screens (Tersalia::createScreens
// first); the others are made here and owned by the caller.
#include "contracts/Logo.h"
#include "contracts/Numerazione.h"
#include "shell/Application.h"
#include "shell/CambiaPassword.h"
#include "shell/Info.h"
#include "shell/Password.h"
#include "shell/Splash.h"
#include "ui/AllegaCartella.h"
#include "ui/Calendario.h"
#include "ui/Guida.h"

#include <QStringList>
#include <memory>

inline const QStringList &dialogNames() {
    static const QStringList names = {
        QStringLiteral("cambia password"), QStringLiteral("accesso"),      QStringLiteral("allegati"),
        QStringLiteral("numerazione"),     QStringLiteral("calendario"),   QStringLiteral("logo"),
        QStringLiteral("guida"),           QStringLiteral("informazioni"), QStringLiteral("crediti")};
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
    return owned.get();
}
