#pragma once
// A private X server (Xvfb) for the few tests that need the real window
// system: pointer moves as a user makes them, a window closed the way a
// window manager closes it. A window manager (openbox) runs on it only when a
// test starts one, to see windows with the frames and placement of a desktop.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace XServer {

// Starts Xvfb on a free display and points DISPLAY and QT_QPA_PLATFORM (xcb)
// at it; call before the application object exists. False when no X server
// could be started (the tests then skip).
bool start(const QSize &screen = QSize(1280, 1024));
// Starts openbox on the server and waits until it manages windows. False when
// it cannot be started (package openbox; the tests then skip).
bool startWindowManager();
bool running();
QString display(); // ":93"

// Moves the real pointer to a global position, as a mouse would.
void movePointer(const QPoint &global);
// Asks the visible top-level window with this title to close, as a window
// manager does for Alt+F4 or the taskbar (WM_DELETE_WINDOW). False when no
// such window is shown.
bool closeWindow(const QString &title);
// Whether a visible top-level window with this title exists.
bool hasWindow(const QString &title);
// Where a window (its native id, QWidget::winId()) is on screen as the user sees it: its
// window manager's frame (title bar included), or the window itself where no
// frame surrounds it. Invalid when no such window is shown.
QRect frameGeometry(unsigned long window);
// The actions the window manager allows on a window
// (_NET_WM_ALLOWED_ACTIONS, e.g. "_NET_WM_ACTION_CLOSE").
QStringList allowedActions(unsigned long window);
// Asks the window manager to minimise a window, as its minimise button does
// (WM_CHANGE_STATE to IconicState).
void iconify(unsigned long window);
// Whether a window is on screen (mapped and viewable, not minimised).
bool isViewable(unsigned long window);
// What a window asks of the window manager through its Motif hints:
// {flags, functions, decorations}; empty when it asks nothing.
QList<unsigned long> motifHints(unsigned long window);

} // namespace XServer
