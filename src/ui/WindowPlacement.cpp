#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

namespace {

QMargins frameMargins(const QWidget *w) {
    const QRect f = w->frameGeometry(), g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// The window manager's frame is known only once a window is on screen: until
// then it is taken to be as wide as that of the opener, or of any window shown.
QMargins expectedFrame(const QWidget *w, const QWidget *opener) {
    QMargins m = frameMargins(w);
    if (!m.isNull())
        return m;
    if (opener && !(m = frameMargins(opener)).isNull())
        return m;
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != w && other->isVisible() && !(m = frameMargins(other)).isNull())
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

// A window placed before its frame was known is placed again once it is: the
// first move or resize that shows a frame other than the one expected.
struct Pending {
    QPointer<QWidget> window;
    QMargins expected;
};

class Placer : public QObject {
public:
    using QObject::QObject;
    QList<Pending> pending;

    bool eventFilter(QObject *o, QEvent *e) override {
        if (!o->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(o);
        switch (e->type()) {
        case QEvent::Show:
            if (placeable(w)) {
                forget(w);
                pending.append({w, placeNow(w)});
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            for (qsizetype i = 0; i < pending.size(); ++i) {
                if (pending.at(i).window != w)
                    continue;
                const QMargins actual = frameMargins(w);
                if (!actual.isNull() && actual != pending.at(i).expected) {
                    pending.removeAt(i);
                    if (placeable(w))
                        placeNow(w);
                }
                break;
            }
            break;
        case QEvent::Hide:
            forget(w);
            break;
        default:
            break;
        }
        return false;
    }

    void forget(const QWidget *w) {
        pending.removeIf([w](const Pending &p) { return !p.window || p.window == w; });
    }

    static QMargins placeNow(QWidget *w) {
        QWidget *opener = openerOf(w);
        QScreen *screen = opener ? opener->screen() : w->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        const QRect area = screen->availableGeometry();
        const QMargins frame = expectedFrame(w, opener);
        // A window larger than the screen is made to fit, as far as it allows.
        const QSize room = area.size().shrunkBy(frame);
        if (w->width() > room.width() || w->height() > room.height())
            w->resize(w->size().boundedTo(room).expandedTo(w->minimumSize()));
        const QSize whole = w->size().grownBy(frame);
        const QPoint centre = opener ? opener->frameGeometry().center() : area.center();
        QRect target(QPoint(centre.x() - whole.width() / 2, centre.y() - whole.height() / 2), whole);
        target.moveLeft(std::max(area.left(), std::min(target.left(), area.right() + 1 - whole.width())));
        target.moveTop(std::max(area.top(), std::min(target.top(), area.bottom() + 1 - whole.height())));
        w->move(target.topLeft()); // a window's position is that of its frame
        return frame;
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
        Placer::placeNow(window);
}

} // namespace WindowPlacement
