#include "ui/windows/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowPlacement {

namespace {

// The frame as the platform window last learnt it: a widget's own copy is
// taken only when it moves, and the window manager can announce its frame
// after the last move.
QMargins frameMargins(const QWidget *w) {
    if (const QWindow *handle = w->windowHandle(); handle && w->isVisible())
        return handle->frameMargins();
    const QRect f = w->frameGeometry(), g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// A frame as a window manager draws it: a title bar and thin borders. While
// a window is being framed its margins can read as anything else.
bool plausible(const QMargins &m) {
    return !m.isNull() && m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 &&
           m.left() < 64 && m.top() < 96 && m.right() < 64 && m.bottom() < 64;
}

// The window manager's frame is known only once a window is on screen: until
// then it is taken to be as wide as that of the opener, or of any window shown.
QMargins expectedFrame(const QWidget *w, const QWidget *opener) {
    QMargins m = frameMargins(w);
    if (plausible(m))
        return m;
    if (opener && plausible(m = frameMargins(opener)))
        return m;
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != w && other->isVisible() && plausible(m = frameMargins(other)))
            return m;
    return {};
}

QWidget *openerOf(const QWidget *w) {
    if (QWidget *p = w->parentWidget())
        return p->window()->isVisible() ? p->window() : nullptr;
    return nullptr;
}

bool placeable(const QWidget *w) {
    const Qt::WindowType type = w->windowType();
    return w->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

// Where the frame of a window goes: centred on its opener's frame, or on the
// screen, and inside the screen's free area. Returns the window's own
// (client) rectangle for that frame.
QRect placement(QWidget *w, const QMargins &frame) {
    QWidget *opener = openerOf(w);
    QScreen *screen = opener ? opener->screen() : w->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return w->geometry();
    const QRect area = screen->availableGeometry();
    // A window larger than the screen is made to fit, as far as it allows.
    QSize size = w->size();
    const QSize room = area.size().shrunkBy(frame);
    if (size.width() > room.width() || size.height() > room.height())
        size = size.boundedTo(room).expandedTo(w->minimumSize());
    const QSize whole = size.grownBy(frame);
    // The opener's frame as it will be, though the platform may not know it yet.
    const QPoint centre =
        opener ? opener->geometry().marginsAdded(expectedFrame(opener, nullptr)).center() : area.center();
    QRect target(QPoint(centre.x() - whole.width() / 2, centre.y() - whole.height() / 2), whole);
    target.moveLeft(std::max(area.left(), std::min(target.left(), area.right() + 1 - whole.width())));
    target.moveTop(std::max(area.top(), std::min(target.top(), area.bottom() + 1 - whole.height())));
    return QRect(target.topLeft() + QPoint(frame.left(), frame.top()), size);
}

void placeWith(QWidget *w, const QMargins &frame) {
    const QRect client = placement(w, frame);
    if (client != w->geometry())
        w->setGeometry(client);
}

// The window manager frames a window only once it is on screen, so a window
// is placed when shown, with the frame it is expected to get, and again over
// its first seconds on screen (a busy machine keeps the frame waiting), with
// its real frame, until it stands where it belongs.
void settle(QPointer<QWidget> w, int attempt) {
    constexpr int interval = 100, attempts = 30;
    if (!w || !w->isVisible() || !placeable(w) || attempt >= attempts)
        return;
    const QMargins frame = frameMargins(w);
    if (plausible(frame) && placement(w, frame) == w->geometry())
        return; // framed and where it belongs
    if (plausible(frame))
        placeWith(w, frame);
    QTimer::singleShot(attempt == 0 ? 0 : interval, w, [w, attempt]() { settle(w, attempt + 1); });
}

// A modal window that asks for no minimise button: the dialogs the program
// waits on (message boxes, Qt's own dialogs, ours with dialogFlags). Some
// window managers (openbox) draw the button and minimise such a window all
// the same; a minimised modal dialog blocks the program from a window nobody
// can see. A window the user may leave open (not modal) minimises as asked,
// with its opener.
bool staysOnScreen(const QWidget *w) {
    const Qt::WindowFlags flags = w->windowFlags();
    return w->isWindow() && w->isModal() && !(flags & Qt::WindowMinimizeButtonHint) &&
           (w->windowType() == Qt::Dialog || (flags & Qt::CustomizeWindowHint));
}

// Brings a window the window manager minimised against its wish back on
// screen, in front, as it was.
void restore(QPointer<QWidget> w) {
    if (!w || !w->isVisible() || !(w->windowState() & Qt::WindowMinimized))
        return;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

class Placer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::WindowStateChange && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            if (staysOnScreen(w) && (w->windowState() & Qt::WindowMinimized))
                QTimer::singleShot(0, w, [w = QPointer<QWidget>(w)]() { restore(w); });
        }
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            if (placeable(w)) {
                placeWith(w, expectedFrame(w, openerOf(w)));
                QTimer::singleShot(0, w, [w = QPointer<QWidget>(w)]() { settle(w, 0); });
            }
        }
        return false;
    }
};

QPointer<Placer> &placer() {
    static QPointer<Placer> p;
    return p;
}

} // namespace

void install() {
    if (placer() || !qApp)
        return;
    placer() = new Placer(qApp);
    qApp->installEventFilter(placer());
}

void place(QWidget *window) {
    if (placeable(window))
        placeWith(window, expectedFrame(window, openerOf(window)));
}

} // namespace WindowPlacement
