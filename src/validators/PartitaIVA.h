#pragma once
// The VAT number check: recomputes the check digit of an Italian VAT number
// and names the provincial office that issued it. Opened with a value by the
// VAT buttons of the cards, and by their tax-code buttons for a numeric code.
// Drives validators/VatNumberCheck.
#include "validators/CheckScreen.h"

class TfrmPartitaIva : public CheckScreen {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

    // Opens the check on number (trimmed), modally, owned by parent.
    static void check(QWidget *parent, const QString &number);

    QLineEdit *txtPartitaIva;

    void btnControllaClick() override;
};
