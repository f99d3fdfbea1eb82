#include "shell/ModuleWindow.h"

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
    w->showMaximized();
    // Without a window manager (or before it reacts) fill the screen ourselves.
    if (QScreen *s = w->screen(); s && !w->isMaximized())
        w->setGeometry(s->availableGeometry());
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
