#pragma once
// Where windows open. Every top-level window the program shows (screens,
// dialogs, message boxes, Qt's own dialogs) opens whole on its opener's
// screen, its frame (the window manager's title bar included) centred on the
// opener's window, or on the screen when nothing opened it. One
// application-wide filter does it, so no screen has to.
#include <Qt>

class QWidget;

namespace WindowPlacement {

// A dialog with no border icons of its own: under a window manager it gets
// only the close box, never minimise or maximise. Where a window manager
// minimises a modal one all the same (openbox draws the button for every
// window but menus and toolbars), the filter below brings it straight back;
// a dialog of a fixed size cannot be maximised.
inline constexpr Qt::WindowFlags dialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
// The same for a top-level window that is not a dialog (the login and the
// password change).
inline constexpr Qt::WindowFlags windowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Starts placing every window shown from now on, and bringing back every
// modal window minimised that asked for no minimise button (once; later calls
// do nothing).
void install();
// Places one window now, as it is placed when shown.
void place(QWidget *window);

} // namespace WindowPlacement
