#include "XServer.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#ifdef TERSALIA_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <unistd.h>
#endif

namespace XServer {

#ifdef TERSALIA_X11
namespace {

Display *g_display = nullptr;
qint64 g_pid = 0;
qint64 g_wmPid = 0;
QString g_name;

void stopServer() {
    if (g_wmPid > 0)
        ::kill(pid_t(g_wmPid), SIGTERM);
    g_wmPid = 0;
    if (g_display)
        XCloseDisplay(g_display);
    g_display = nullptr;
    if (g_pid > 0)
        ::kill(pid_t(g_pid), SIGTERM);
    g_pid = 0;
}

QString titleOf(Window w) {
    Atom netName = XInternAtom(g_display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(g_display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QString title;
    if (XGetWindowProperty(g_display, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
        return title;
    }
    char *name = nullptr;
    if (XFetchName(g_display, w, &name) && name) {
        title = QString::fromLatin1(name);
        XFree(name);
    }
    return title;
}

// The shown window with this title, at the top level or, under a window
// manager, inside the frame it was put in.
Window findIn(Window w, const QString &title, int depth) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (!XQueryTree(g_display, w, &root, &parent, &children, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(g_display, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (titleOf(children[i]) == title)
            found = children[i];
        else if (depth > 0)
            found = findIn(children[i], title, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

Window findWindow(const QString &title) { return findIn(DefaultRootWindow(g_display), title, 3); }

// The top-level window holding w: its frame under a window manager, w itself without one.
Window topLevelOf(Window w) {
    const Window rootWindow = DefaultRootWindow(g_display);
    for (;;) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(g_display, w, &root, &parent, &children, &n))
            return w;
        if (children)
            XFree(children);
        if (parent == rootWindow || parent == 0)
            return w;
        w = parent;
    }
}

QList<unsigned long> longs(Window w, const char *property, Atom type) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QList<unsigned long> values;
    if (XGetWindowProperty(g_display, w, XInternAtom(g_display, property, False), 0, 64, False, type, &actual,
                           &format, &count, &after, &data) == Success &&
        data) {
        const auto *v = reinterpret_cast<const unsigned long *>(data); // format 32 comes as longs
        for (unsigned long i = 0; i < count; ++i)
            values.append(v[i]);
        XFree(data);
    }
    return values;
}

} // namespace

bool start(const QSize &screen) {
    if (g_display)
        return true;
    // Test programs run side by side: each starts its search elsewhere.
    const int first = 90 + int(::getpid() % 300);
    for (int n = first; n < first + 50; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        const QString name = QStringLiteral(":%1").arg(n);
        qint64 pid = 0;
        if (!QProcess::startDetached(QStringLiteral("Xvfb"),
                                     {name, QStringLiteral("-screen"), QStringLiteral("0"),
                                      QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                                      QStringLiteral("-nolisten"), QStringLiteral("tcp")},
                                     QString(), &pid))
            return false; // no Xvfb at all
        QElapsedTimer t;
        t.start();
        const QByteArray dn = name.toLatin1();
        while (!g_display && t.elapsed() < 10000) {
            QThread::msleep(50);
            g_display = XOpenDisplay(dn.constData());
        }
        // A display taken by another server meanwhile: ours has ended.
        if (g_display) {
            QThread::msleep(200);
            if (::kill(pid_t(pid), 0) != 0) {
                XCloseDisplay(g_display);
                g_display = nullptr;
                continue;
            }
        }
        if (g_display) {
            g_pid = pid;
            g_name = name;
            qputenv("DISPLAY", dn);
            qputenv("QT_QPA_PLATFORM", "xcb");
            std::atexit(stopServer);
            return true;
        }
        ::kill(pid_t(pid), SIGTERM); // another server took this display first
    }
    return false;
}

bool running() { return g_display != nullptr; }
QString display() { return g_name; }

void movePointer(const QPoint &global) {
    if (!g_display)
        return;
    XWarpPointer(g_display, None, DefaultRootWindow(g_display), 0, 0, 0, 0, global.x(), global.y());
    XFlush(g_display);
}

bool hasWindow(const QString &title) { return g_display && findWindow(title); }

bool startWindowManager() {
    if (!g_display)
        return false;
    if (g_wmPid > 0)
        return true;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), g_name);
    QProcess wm;
    wm.setProgram(QStringLiteral("openbox"));
    wm.setArguments({QStringLiteral("--sm-disable")});
    wm.setProcessEnvironment(env);
    wm.setStandardOutputFile(QProcess::nullDevice());
    wm.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!wm.startDetached(&pid))
        return false;
    g_wmPid = pid;
    // A window manager announces itself on the root window.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        if (!longs(DefaultRootWindow(g_display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).isEmpty())
            return true;
        if (::kill(pid_t(pid), 0) != 0)
            break;
        QThread::msleep(50);
    }
    ::kill(pid_t(pid), SIGTERM);
    g_wmPid = 0;
    return false;
}

QRect frameGeometry(unsigned long window) {
    if (!g_display)
        return {};
    XSync(g_display, False);
    const Window top = topLevelOf(Window(window));
    XWindowAttributes a;
    if (!XGetWindowAttributes(g_display, top, &a))
        return {};
    return QRect(a.x, a.y, a.width + 2 * a.border_width, a.height + 2 * a.border_width);
}

QStringList allowedActions(unsigned long window) {
    QStringList names;
    if (!g_display)
        return names;
    for (unsigned long atom : longs(Window(window), "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
        if (char *name = XGetAtomName(g_display, Atom(atom))) {
            names.append(QString::fromLatin1(name));
            XFree(name);
        }
    }
    return names;
}

QList<unsigned long> motifHints(unsigned long window) {
    if (!g_display)
        return {};
    const Atom hints = XInternAtom(g_display, "_MOTIF_WM_HINTS", False);
    return longs(Window(window), "_MOTIF_WM_HINTS", hints).mid(0, 3);
}

void iconify(unsigned long window) {
    if (!g_display)
        return;
    XIconifyWindow(g_display, Window(window), DefaultScreen(g_display));
    XFlush(g_display);
}

bool isViewable(unsigned long window) {
    if (!g_display)
        return false;
    XSync(g_display, False);
    XWindowAttributes a;
    return XGetWindowAttributes(g_display, Window(window), &a) && a.map_state == IsViewable;
}

bool closeWindow(const QString &title) {
    if (!g_display)
        return false;
    const Window w = findWindow(title);
    if (!w)
        return false;
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(g_display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(g_display, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(g_display, w, False, NoEventMask, &e);
    XFlush(g_display);
    return true;
}

#else // no X11 on this system (Windows): every X test skips

bool start(const QSize &) { return false; }
bool startWindowManager() { return false; }
QRect frameGeometry(unsigned long) { return {}; }
QStringList allowedActions(unsigned long) { return {}; }
QList<unsigned long> motifHints(unsigned long) { return {}; }
void iconify(unsigned long) {}
bool isViewable(unsigned long) { return false; }
bool running() { return false; }
QString display() { return {}; }
void movePointer(const QPoint &) {}
bool closeWindow(const QString &) { return false; }
bool hasWindow(const QString &) { return false; }

#endif

} // namespace XServer
