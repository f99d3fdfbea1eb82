#include "validators/CodFisc.h"

#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "validators/PartitaIVA.h"
#include "validators/TaxCodeCheck.h"

#include <QLineEdit>

namespace {

CheckLook look() {
    return {QStringLiteral(" Controllo codice fiscale"),
            CheckArt::Emblem::TaxCard,
            QStringLiteral("Controllo codice fiscale"),
            QStringLiteral("Verifica del carattere di controllo del codice fiscale di una persona."),
            QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
            QStringLiteral("Codice fiscale:"),
            QStringLiteral("txtCodFisc"),
            QStringLiteral("16 caratteri: lettere e cifre"),
            TaxCodeCheck::Length,
            FieldRules::TrimUpper};
}

bool digitsOnly(const QString &t) {
    for (QChar c : t)
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    return true;
}

} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget *parent) : CheckScreen(look(), parent) {
    setObjectName(QStringLiteral("frmCodFisc"));
    txtCodFisc = field();
}

void TfrmCodFisc::check(QWidget *parent, const QString &taxCode) { openWith<TfrmCodFisc>(parent, taxCode); }

void TfrmCodFisc::checkTaxCodeField(QWidget *parent, const QString &fieldText) {
    const QString t = Text::trim(fieldText);
    if (!t.isEmpty() && digitsOnly(t))
        TfrmPartitaIva::check(parent, t);
    else
        check(parent, t);
}

void TfrmCodFisc::btnControllaClick() {
    const QString t = Text::upperAZ(txtCodFisc->text());
    if (t.size() != TaxCodeCheck::Length) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                                         "alfanumerici."));
        backToField();
        return;
    }
    if (TaxCodeCheck::isValid(t))
        Messages::information(this, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        Messages::warning(this, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}
