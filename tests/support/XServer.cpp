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
QString g_name;

void stopServer() {
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

Window findWindow(const QString &title) {
    Window root = DefaultRootWindow(g_display), parent = 0, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (!XQueryTree(g_display, root, &root, &parent, &children, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(g_display, children[i], &a) && a.map_state == IsViewable &&
            titleOf(children[i]) == title)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

bool start() {
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
                                      QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                      QStringLiteral("tcp")},
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

bool start() { return false; }
bool running() { return false; }
QString display() { return {}; }
void movePointer(const QPoint &) {}
bool closeWindow(const QString &) { return false; }
bool hasWindow(const QString &) { return false; }

#endif

} // namespace XServer
