#pragma once
// The module contract: a module screen opened from the main menu hides the
// menu while it is shown, and shows the menu again when it is closed,
// whichever way it is closed.
#include <QMainWindow>

#include <functional>

class QEventLoop;

// Shows a window maximised (the main menu and the modules).
void showFullScreenArea(QWidget *w);

class ModuleWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleWindow(QWidget *parent = nullptr);
    ~ModuleWindow() override;

    // Shows this module maximised, then hides the main menu.
    void openModule();
    // Shows this module maximised and modal over the window that opens it,
    // runs shown() once it is on screen, and returns when it is closed;
    // closing it then leaves that window in view instead of the main menu.
    void openOver(const std::function<void()> &shown = {});
    // The window shown again when a module closes (the main menu).
    static void setMenu(QWidget *menu);
    static QWidget *menu();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Module-specific clean-up when the module closes (stop a sound, ...).
    virtual void moduleClosing() {}

private:
    QEventLoop *m_over = nullptr; // while opened over another window
};
