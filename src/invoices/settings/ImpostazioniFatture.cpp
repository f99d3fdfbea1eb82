#include "invoices/settings/ImpostazioniFatture.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"
#include "invoices/issue/InvoiceNumbering.h"
#include "invoices/settings/InvoiceSettings.h"
#include "ui/card/FocusHighlight.h"
#include "ui/input/InputRules.h"
#include "ui/platform/Messages.h"
#include "ui/windows/WindowPlacement.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *edit(QWidget *parent, const char *name, int maxLength) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    FocusHighlight::attach(e, QStringLiteral("eff") + QLatin1String(name + 3));
    return e;
}

QComboBox *choices(QWidget *parent, const char *name, const QList<InvoiceSettings::Choice> &list) {
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    for (const InvoiceSettings::Choice &choice : list)
        c->addItem(InvoiceSettings::choiceText(choice));
    return c;
}

} // namespace

TfrmImpostazioniFatture::TfrmImpostazioniFatture(QWidget *parent)
    : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmImpostazioniFatture"));
    setWindowTitle(QStringLiteral(" Impostazioni fatture"));
    setWindowFlags(WindowPlacement::dialogFlags);

    lblDitta = new QLabel(this);
    lblDitta->setObjectName(QStringLiteral("lblDitta"));
    lblDitta->setTextFormat(Qt::PlainText);
    lblDitta->setWordWrap(true);

    auto *group = new QGroupBox(QStringLiteral(" Dati per la fattura elettronica "), this);
    group->setObjectName(QStringLiteral("grpFattura"));
    cmbRegime = choices(group, "cmbRegime", InvoiceSettings::regimes());
    txtIban = edit(group, "txtIban", 34);
    txtBanca = edit(group, "txtBanca", 80);
    txtGiorni = edit(group, "txtGiorni", 3);
    cmbPagamento = choices(group, "cmbPagamento", InvoiceSettings::payments());
    txtProgressivo = edit(group, "txtProgressivo", 5);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral(" Regime fiscale:"), cmbRegime);
    form->addRow(QStringLiteral(" IBAN:"), txtIban);
    form->addRow(QStringLiteral(" Banca:"), txtBanca);
    form->addRow(QStringLiteral(" Giorni di pagamento:"), txtGiorni);
    form->addRow(QStringLiteral(" Modalità di pagamento:"), cmbPagamento);
    form->addRow(QStringLiteral(" Prossimo progressivo di invio:"), txtProgressivo);
    txtIban->setMinimumWidth(320);

    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDitta);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *rules = new InputRules(this);
    rules->add(cmbRegime, {FieldInput::ListOnly});
    rules->add(txtIban, {FieldInput::Text, FieldFlag::Code});
    rules->add(txtBanca, {FieldInput::Text, FieldFlag::TrimOnLeave});
    rules->add(txtGiorni, {FieldInput::Digits, 0, QString::number(InvoiceSettings::DefaultDays)});
    rules->add(cmbPagamento, {FieldInput::ListOnly});
    rules->add(txtProgressivo, {FieldInput::Digits, 0, QStringLiteral("1")});
    rules->setEnterOrder({cmbRegime, txtIban, txtBanca, txtGiorni, cmbPagamento, txtProgressivo});

    m_settings.emplace(this, &InvoiceSettings::path, InvoiceSettings::section(), InvoiceSettings::keys());
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmImpostazioniFatture::cmdChiudiClick);
}

QString TfrmImpostazioniFatture::notSavedText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile salvare le impostazioni delle fatture nel file "
        "Fatturazione.ini.\r\n\r\nI dati inseriti verranno riproposti alle prossime aperture "
        "della schermata fino alla chiusura del programma: accertarsi di possedere i privilegi "
        "di scrittura nella cartella di installazione del programma.");
}

void TfrmImpostazioniFatture::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_closing = false;
    const Seller seller = InvoiceSettings::seller();
    lblDitta->setText(
        seller.name.isEmpty()
            ? QStringLiteral(" I dati dell'impresa (denominazione, partita IVA, sede) non sono ancora "
                             "stati inseriti: si inseriscono nella schermata dei contratti.")
            : QStringLiteral(" Le fatture sono emesse da: %1, partita IVA %2 (dati dell'impresa dei "
                             "contratti).")
                  .arg(seller.name, seller.vatNumber));
    m_settings->read();
    // What a first opening proposes.
    if (Text::trim(cmbRegime->currentText()).isEmpty())
        cmbRegime->setCurrentIndex(0);
    if (Text::trim(cmbPagamento->currentText()).isEmpty())
        cmbPagamento->setCurrentIndex(0);
    if (Text::trim(txtGiorni->text()).isEmpty())
        txtGiorni->setText(QString::number(InvoiceSettings::DefaultDays));
    // The next progressive is never one already used, whatever the file says.
    bool ok = false;
    const qint64 typed = Text::trim(txtProgressivo->text()).toLongLong(&ok);
    const std::optional<InvoiceNumbers> next =
        InvoiceNumbering::peek(Clock::today().year(), ok && typed > 0 ? typed : 1);
    if (next)
        txtProgressivo->setText(QString::number(next->progressive.toLongLong()));
    else if (!ok)
        txtProgressivo->setText(QString::number(InvoiceSettings::nextProgressive()));
    cmbRegime->setFocus(Qt::OtherFocusReason);
}

bool TfrmImpostazioniFatture::cmdChiudiClick() {
    const bool kept = m_settings->write();
    if (!kept)
        Messages::error(this, notSavedText());
    m_closing = true;
    accept();
    return kept;
}

// The close box and Escape keep what was typed too.
void TfrmImpostazioniFatture::reject() {
    if (m_closing) {
        QDialog::reject();
        return;
    }
    cmdChiudiClick();
}
