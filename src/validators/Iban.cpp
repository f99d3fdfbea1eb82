#include "validators/Iban.h"

#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "validators/IbanCheck.h"

#include <QLineEdit>

namespace {

CheckLook look() {
    return {QStringLiteral(" Controllo IBAN"),
            CheckArt::Emblem::Bank,
            QStringLiteral("Controllo IBAN"),
            QStringLiteral("Verifica delle cifre di controllo di un IBAN italiano (27 caratteri)."),
            QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
            QStringLiteral("IBAN:"),
            QStringLiteral("txtIban"),
            QStringLiteral("27 caratteri, ad esempio IT60X0542811101000000123456"),
            IbanCheck::Length,
            FieldRules::TrimUpper};
}

} // namespace

TfrmIban::TfrmIban(QWidget *parent) : CheckScreen(look(), parent) {
    setObjectName(QStringLiteral("frmIban"));
    txtIban = field();
}

void TfrmIban::check(QWidget *parent, const QString &iban) { openWith<TfrmIban>(parent, iban); }

void TfrmIban::btnControllaClick() {
    const QString t = Text::trim(txtIban->text());
    if (t.size() != IbanCheck::Length) {
        Messages::warning(this, QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                                               "alfanumerici."));
        backToField();
        return;
    }
    if (IbanCheck::isValid(t))
        Messages::information(this, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        Messages::warning(this, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
    accept();
}
