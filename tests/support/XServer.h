#pragma once
// A private X server (Xvfb) for the few tests that need the real window
// system: pointer moves as a user makes them, a window closed the way a
// window manager closes it. No window manager runs on it.
#include <QPoint>
#include <QString>

namespace XServer {

// Starts Xvfb on a free display and points DISPLAY and QT_QPA_PLATFORM (xcb)
// at it; call before the application object exists. False when no X server
// could be started (the tests then skip).
bool start();
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

} // namespace XServer
