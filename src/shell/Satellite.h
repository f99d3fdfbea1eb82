#pragma once
// Satellite screens: created by the screen that opens them, shown modally,
// destroyed when they close, so each use starts from the design state.
#include <QWidget>

template <typename Screen> void openSatellite(QWidget *owner) {
    auto *screen = new Screen(owner);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->exec();
}
