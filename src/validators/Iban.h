#pragma once
// The IBAN check: the length of an Italian IBAN and its check digits. Opened
// with a value by the client and employee cards.
// Drives validators/IbanCheck.
#include "validators/CheckScreen.h"

class TfrmIban : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

    // Opens the check on iban (trimmed), modally, owned by parent.
    static void check(QWidget *parent, const QString &iban);

    QLineEdit *txtIban;

    void btnControllaClick() override;
};
