#include "validators/PartitaIVA.h"

#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "validators/VatNumberCheck.h"

#include <QLineEdit>

namespace {

CheckLook look() {
    return {
        QStringLiteral(" Controllo partita IVA"),
        CheckArt::Emblem::VatDocument,
        QStringLiteral("Controllo partita IVA"),
        QStringLiteral("Verifica della cifra di controllo e dell'Ufficio IVA che ha rilasciato il numero."),
        QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
        QStringLiteral("Partita IVA:"),
        QStringLiteral("txtPartitaIva"),
        QStringLiteral("11 cifre"),
        VatNumberCheck::Length,
        FieldRules::DigitsOnly};
}

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent) : CheckScreen(look(), parent) {
    setObjectName(QStringLiteral("frmPartitaIva"));
    txtPartitaIva = field();
}

void TfrmPartitaIva::check(QWidget *parent, const QString &number) {
    openWith<TfrmPartitaIva>(parent, number);
}

void TfrmPartitaIva::btnControllaClick() {
    const QString t = Text::upperAZ(txtPartitaIva->text());
    if (t.size() != VatNumberCheck::Length) {
        Messages::warning(this,
                          QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                                         "numerici."));
        backToField();
        return;
    }
    if (VatNumberCheck::isValid(t))
        Messages::information(this, QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                   "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                                        VatNumberCheck::issuingOffice(txtPartitaIva->text()) +
                                        QLatin1Char('.'));
    else
        Messages::warning(
            this, QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                 "Non è quindi possibile fornire informazioni relative all'Ufficio "
                                 "IVA che lo ha rilasciato."));
    accept();
}
