#pragma once
// Satellite screens: created by the screen that opens them, shown modally,
// destroyed when they close, so each use starts from the design state.
#include <QWidget>

template <typename Screen> void openSatellite(QWidget *owner) {
    auto *screen = new Screen(owner);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->exec();
}

// The same, letting the opener set the screen up first (its caller text, its
// hand-back) before it is shown.
template <typename Screen, typename Setup> void openSatellite(QWidget *owner, Setup setup) {
    auto *screen = new Screen(owner);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    setup(screen);
    screen->exec();
}
