#include "ui/ModuleWindow.h"

#include "core/Formats.h"

#include <QCloseEvent>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<QWidget> &menuWindow() {
    static QPointer<QWidget> w;
    return w;
}
} // namespace

ModuleWindow::ModuleWindow(QWidget *parent) : QMainWindow(parent) { Formats::install(); }

void ModuleWindow::setMenu(QWidget *menu) { menuWindow() = menu; }
QWidget *ModuleWindow::menu() { return menuWindow(); }

void showFullScreenArea(QWidget *w) {
    // The geometry first, so the window fills the screen even where no window
    // manager carries out the maximising.
    if (QScreen *s = w->screen())
        w->setGeometry(s->availableGeometry());
    w->showMaximized();
}

void ModuleWindow::openModule() {
    showFullScreenArea(this);
    raise();
    activateWindow();
    if (menuWindow())
        menuWindow()->hide();
}

void ModuleWindow::closeEvent(QCloseEvent *event) {
    moduleClosing();
    if (menuWindow())
        showFullScreenArea(menuWindow());
    hide();
    event->ignore(); // long-lived: hidden, never destroyed
}
