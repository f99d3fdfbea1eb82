#include "ui/windows/ModuleWindow.h"

#include "core/text/Formats.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<QWidget> &menuWindow() {
    static QPointer<QWidget> w;
    return w;
}
} // namespace

ModuleWindow::ModuleWindow(QWidget *parent) : QMainWindow(parent) { Formats::install(); }

ModuleWindow::~ModuleWindow() {
    if (m_over)
        m_over->quit();
}

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

void ModuleWindow::openOver(const std::function<void()> &shown) {
    // Modality is taken when a window is shown: it was hidden until now.
    const Qt::WindowModality before = windowModality();
    setWindowModality(Qt::ApplicationModal);
    QPointer<ModuleWindow> self(this);
    QEventLoop loop;
    m_over = &loop;
    showFullScreenArea(this);
    raise();
    activateWindow();
    if (shown)
        shown();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!self)
        return;
    m_over = nullptr;
    hide();
    setWindowModality(before);
}

// However it leaves the screen, the window it was opened over gets the input back.
void ModuleWindow::hideEvent(QHideEvent *event) {
    QMainWindow::hideEvent(event);
    if (m_over && !event->spontaneous())
        m_over->quit();
}

void ModuleWindow::closeEvent(QCloseEvent *event) {
    moduleClosing();
    if (m_over)
        m_over->quit(); // the window it was opened over stays in view
    else if (menuWindow())
        showFullScreenArea(menuWindow());
    hide();
    event->ignore(); // long-lived: hidden, never destroyed
}
