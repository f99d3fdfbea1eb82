#include "validators/Carta.h"

#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "validators/CardNumberCheck.h"

#include <QLineEdit>

namespace {

CheckLook look() {
    return {QStringLiteral(" Controllo carta di credito"),
            CheckArt::Emblem::PaymentCards,
            QStringLiteral("Controllo carta di credito"),
            QStringLiteral("Verifica della cifra di controllo (algoritmo di Luhn) e del tipo di carta."),
            QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
            QStringLiteral("Numero carta:"),
            QStringLiteral("txtNumero"),
            QStringLiteral("Solo cifre, senza spazi; contano le prime 20"),
            30,
            FieldRules::TrimUpper | FieldRules::DigitsOnly};
}

} // namespace

TfrmCarta::TfrmCarta(QWidget *parent) : CheckScreen(look(), parent) {
    setObjectName(QStringLiteral("frmCarta"));
    txtNumero = field();
}

void TfrmCarta::check(QWidget *parent, const QString &number) { openWith<TfrmCarta>(parent, number); }

void TfrmCarta::btnControllaClick() {
    const QString n = Text::trim(txtNumero->text());
    if (n.isEmpty()) {
        Messages::warning(
            this, QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere "
                                 "il pulsante di controllo."));
        backToField();
        return;
    }
    const QString valid = QStringLiteral("Il numero di carta di credito ") + n +
                          QStringLiteral(" risulta valido.") + QStringLiteral("\r\n\r\n");
    const CardNumberCheck::Verdict v = CardNumberCheck::verdict(txtNumero->text());
    switch (v.outcome) {
    case CardNumberCheck::Outcome::Known:
        Messages::information(this, valid + QStringLiteral("La carta di credito è del tipo ") + v.type +
                                        QLatin1Char('.'));
        break;
    case CardNumberCheck::Outcome::UnknownType:
        // The number is right but its leading digits (32, 39) name no type we know.
        Messages::information(this,
                              valid + QStringLiteral("Il tipo di carta di credito non è riconosciuto."));
        break;
    case CardNumberCheck::Outcome::Wrong:
        Messages::warning(this,
                          QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                         "Non è quindi possibile fornire informazioni relative al tipo di "
                                         "carta di credito."));
        break;
    }
    accept();
}
