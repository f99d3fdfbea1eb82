#pragma once
// The change-password screen, reached from the login screen.
#include <QWidget>

class QLineEdit;
class QPushButton;
class TfrmPassword;

class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(TfrmPassword *login, QWidget *parent = nullptr);

    QLineEdit *txtPasswordOld;
    QLineEdit *txtPasswordNew;
    QLineEdit *txtConferma;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;

    void cmdOKClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void updateOK();
    TfrmPassword *m_login;
};
