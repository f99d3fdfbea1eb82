#pragma once
// The tax code check: recomputes the sixteenth character of a personal tax
// code. Opened with a value by the tax-code buttons of the cards.
// Drives validators/TaxCodeCheck.
#include "validators/CheckScreen.h"

class TfrmCodFisc : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

    // Opens the check on taxCode (trimmed), modally, owned by parent.
    static void check(QWidget *parent, const QString &taxCode);
    // What a card's tax-code button does with its field: a company's tax code
    // is its VAT number, so a non-empty text of digits only goes to the VAT
    // number check; anything else, the empty text included, to this one.
    static void checkTaxCodeField(QWidget *parent, const QString &fieldText);

    QLineEdit *txtCodFisc;

    void btnControllaClick() override;
};
