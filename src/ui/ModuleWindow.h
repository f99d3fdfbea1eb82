#pragma once
// The module contract: a module screen opened from the main menu hides the
// menu while it is shown, and shows the menu again when it is closed,
// whichever way it is closed.
#include <QMainWindow>

// Shows a window maximised (the main menu and the modules).
void showFullScreenArea(QWidget *w);

class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleWindow(QWidget *parent = nullptr);

    // Shows this module maximised, then hides the main menu.
    void openModule();
    // The window shown again when a module closes (the main menu).
    static void setMenu(QWidget *menu);
    static QWidget *menu();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Module-specific clean-up when the module closes (stop a sound, ...).
    virtual void moduleClosing() {}
};
