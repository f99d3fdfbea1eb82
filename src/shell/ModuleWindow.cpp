#include "shell/ModuleWindow.h"

#include "core/Formats.h"

#include <QCloseEvent>
#include <QPointer>

namespace {
QPointer<QWidget> &menuWindow() {
    static QPointer<QWidget> w;
    return w;
}
} // namespace

ModuleWindow::ModuleWindow(QWidget *parent) : QMainWindow(parent) { Formats::install(); }

void ModuleWindow::setMenu(QWidget *menu) { menuWindow() = menu; }
QWidget *ModuleWindow::menu() { return menuWindow(); }

void ModuleWindow::openModule() {
    showMaximized();
    raise();
    activateWindow();
    if (menuWindow())
        menuWindow()->hide();
}

void ModuleWindow::closeEvent(QCloseEvent *event) {
    moduleClosing();
    if (menuWindow())
        menuWindow()->showMaximized();
    hide();
    event->ignore(); // long-lived: hidden, never destroyed
}
