#pragma once
// The reminder of an appointment through WhatsApp: the agenda fills in the
// appointment's date and time and the client's name and mobile so the user
// can check them; "Invia messaggio" opens the WhatsApp Web link and closes.
// Drives appointments/agenda/WhatsApp (the link).
#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

class TfrmWhatsApp_Message : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWhatsApp_Message(QWidget *parent = nullptr);

    QLineEdit *txtData, *txtOra, *txtContatto, *txtCel;
    QToolButton *btnWhatsApp;
    QPushButton *btnChiudi;

private:
    void btnWhatsAppClick();
};
