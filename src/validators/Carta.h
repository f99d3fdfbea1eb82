#pragma once
// The payment card check: the Luhn test on the card number and the card type
// from its leading digits. Opened with a value by the client card.
// Drives validators/CardNumberCheck.
#include "validators/CheckScreen.h"

class TfrmCarta : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

    // Opens the check on number (trimmed), modally, owned by parent.
    static void check(QWidget *parent, const QString &number);

    QLineEdit *txtNumero;

    void btnControllaClick() override;
};
