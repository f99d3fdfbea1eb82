#pragma once
// The login screen: the program's main window and the only one visible at start.
#include <QWidget>

class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);
    // The screens a correct password and "Cambia password" lead to.
    void setScreens(QWidget *mainMenu, TfrmCambiaPassword *changePassword);

    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QPushButton *btnCambiaPassword;

    void cmdOKClick();
    // Back from the change-password screen: empty field, visible, focused.
    void returnFromChange();

protected:
    void showEvent(QShowEvent *e) override;
    // The main window: closing it (the window's close box, Alt+F4, the taskbar)
    // ends the program, as closing the main menu does.
    void closeEvent(QCloseEvent *e) override;

private:
    void updateOK();
    QWidget *m_menu = nullptr;
    TfrmCambiaPassword *m_change = nullptr;
};
