#include "invoices/billing/DatiFatturazione.h"

#include "core/text/Formats.h"
#include "core/text/TextRules.h"
#include "ui/card/CardScreen.h"
#include "ui/card/FocusHighlight.h"
#include "ui/input/InputRules.h"
#include "ui/platform/Messages.h"
#include "ui/windows/WindowPlacement.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

TfrmDatiFatturazione::TfrmDatiFatturazione(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmDatiFatturazione"));
    setWindowTitle(QStringLiteral(" Dati di fatturazione"));
    setWindowFlags(WindowPlacement::dialogFlags);

    lblCliente = new QLabel(this);
    lblCliente->setObjectName(QStringLiteral("lblCliente"));
    lblCliente->setTextFormat(Qt::PlainText);

    auto *group = new QGroupBox(QStringLiteral(" Ricezione e tipo delle fatture "), this);
    group->setObjectName(QStringLiteral("grpFatturazione"));
    txtCodiceDestinatario = new QLineEdit(group);
    txtCodiceDestinatario->setObjectName(QStringLiteral("txtCodiceDestinatario"));
    txtCodiceDestinatario->setMaxLength(7);
    txtCodiceDestinatario->setToolTip(
        QStringLiteral("Sette caratteri (sei per una pubblica amministrazione); \"0000000\" per chi riceve "
                       "tramite PEC o è un privato."));
    FocusHighlight::attach(txtCodiceDestinatario, QStringLiteral("effCodiceDestinatario"));
    txtPecFatture = new QLineEdit(group);
    txtPecFatture->setObjectName(QStringLiteral("txtPecFatture"));
    txtPecFatture->setMaxLength(100);
    txtPecFatture->setMinimumWidth(320);
    FocusHighlight::attach(txtPecFatture, QStringLiteral("effPecFatture"));
    chkPA = new QCheckBox(QStringLiteral("Pubblica amministrazione"), group);
    chkPA->setObjectName(QStringLiteral("chkPA"));
    chkScissione = new QCheckBox(QStringLiteral("Scissione dei pagamenti"), group);
    chkScissione->setObjectName(QStringLiteral("chkScissione"));
    chkInversione = new QCheckBox(QStringLiteral("Inversione contabile (reverse charge)"), group);
    chkInversione->setObjectName(QStringLiteral("chkInversione"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral(" Codice destinatario:"), txtCodiceDestinatario);
    form->addRow(QStringLiteral(" PEC per le fatture:"), txtPecFatture);
    form->addRow(QString(), chkPA);
    form->addRow(QString(), chkScissione);
    form->addRow(QString(), chkInversione);

    cmdSalva = new QPushButton(QStringLiteral("Salva"), this);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    cmdSalva->setAutoDefault(false);
    cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSalva);
    buttons->addWidget(cmdAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblCliente);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *rules = new InputRules(this);
    rules->add(txtCodiceDestinatario, {FieldInput::Text, FieldFlag::Code});
    rules->add(txtPecFatture, {FieldInput::Text, FieldFlag::TrimTyping});
    rules->setEnterOrder({txtCodiceDestinatario, txtPecFatture});

    connect(cmdSalva, &QPushButton::clicked, this, &TfrmDatiFatturazione::cmdSalvaClick);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmDatiFatturazione::savedText() {
    return QStringLiteral("I dati di fatturazione del cliente sono stati salvati.");
}

void TfrmDatiFatturazione::setClient(qint64 client, const QString &name, const QString &vatNumber,
                                     const QString &taxCode, const QString &cardPec) {
    lblCliente->setText(QStringLiteral(" Cliente: ") + Text::trim(name));
    const std::optional<BillingData> kept = BillingStore::forClient(client);
    BillingData data = kept ? *kept : BillingStore::proposed(client, vatNumber, taxCode, cardPec);
    // The fiscal codes are the card's as they are now.
    data.vatNumber = Text::trim(vatNumber);
    data.taxCode = Text::trim(taxCode);
    fill(data);
}

void TfrmDatiFatturazione::fill(const BillingData &data) {
    m_data = data;
    txtCodiceDestinatario->setText(data.recipientCode);
    InputRules::setShown(txtPecFatture, data.pec);
    chkPA->setChecked(data.publicOffice);
    chkScissione->setChecked(data.splitPayment);
    chkInversione->setChecked(data.reverseCharge);
}

bool TfrmDatiFatturazione::cmdSalvaClick() {
    const QString code = Text::upperAZ(Text::trim(txtCodiceDestinatario->text()));
    const bool six = QRegularExpression(QStringLiteral("^[A-Z0-9]{6}$")).match(code).hasMatch();
    const bool seven = QRegularExpression(QStringLiteral("^[A-Z0-9]{7}$")).match(code).hasMatch();
    QString warning;
    if (chkPA->isChecked() && !six)
        warning =
            QStringLiteral("Attenzione: per una pubblica amministrazione il codice destinatario (codice "
                           "univoco ufficio) è di sei caratteri.");
    else if (!chkPA->isChecked() && !code.isEmpty() && !seven)
        warning =
            QStringLiteral("Attenzione: il codice destinatario è di sette caratteri (\"0000000\" per chi "
                           "riceve tramite PEC o è un privato).");
    else if (chkInversione->isChecked() && chkScissione->isChecked())
        warning = QStringLiteral("Attenzione: l'inversione contabile e la scissione dei pagamenti non si "
                                 "applicano insieme.");
    else if (chkInversione->isChecked() && Text::trim(m_data.vatNumber).isEmpty())
        warning =
            QStringLiteral("Attenzione: l'inversione contabile vale solo per un cliente con partita IVA.");
    if (!warning.isEmpty()) {
        Messages::warning(this, warning);
        return false;
    }
    BillingData data = m_data;
    data.recipientCode = code.isEmpty() && !chkPA->isChecked() ? QStringLiteral("0000000") : code;
    data.pec = Text::trim(txtPecFatture->text());
    data.publicOffice = chkPA->isChecked();
    data.splitPayment = chkScissione->isChecked();
    data.reverseCharge = chkInversione->isChecked();
    if (!BillingStore::save(data)) {
        Messages::error(this, CardScreen::archiveFailureText());
        return false;
    }
    m_data = data;
    txtCodiceDestinatario->setText(data.recipientCode);
    Messages::information(this, savedText());
    accept();
    return true;
}
