#include "appointments/agenda/WhatsApp_Message.h"

#include "appointments/agenda/WhatsApp.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "core/text/TextRules.h"
#include "core/platform/OpenURL.h"
#include "ui/input/SingleLine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kBand(38, 96, 150);
const QColor kWhatsApp(37, 211, 102);

QLineEdit *readOnly(QWidget *parent, const char *name) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

} // namespace

TfrmWhatsApp_Message::TfrmWhatsApp_Message(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmWhatsApp_Message"));
    setWindowTitle(QStringLiteral(" Invio messaggio di WhatsApp"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *background = new CardBackground(this);
    auto *appointment = new CardBand(QStringLiteral("PROMEMORIA APPUNTAMENTO"), kBand, background);
    txtData = readOnly(appointment, "txtData");
    txtOra = readOnly(appointment, "txtOra");
    appointment->grid()->addWidget(CardParts::caption(QStringLiteral("Data appuntamento:"), appointment), 0,
                                   0);
    appointment->grid()->addWidget(txtData, 0, 1);
    appointment->grid()->addWidget(CardParts::caption(QStringLiteral("Ora appuntamento:"), appointment), 1,
                                   0);
    appointment->grid()->addWidget(txtOra, 1, 1);

    auto *client = new CardBand(QStringLiteral("DATI CLIENTE"), kBand, background);
    txtContatto = readOnly(client, "txtContatto");
    txtCel = readOnly(client, "txtCel");
    client->grid()->addWidget(CardParts::caption(QStringLiteral("Cognome e nome:"), client), 0, 0);
    client->grid()->addWidget(txtContatto, 0, 1);
    client->grid()->addWidget(CardParts::caption(QStringLiteral("Cellulare:"), client), 1, 0);
    client->grid()->addWidget(txtCel, 1, 1);
    for (CardBand *band : {appointment, client})
        band->grid()->setColumnStretch(1, 1);

    btnWhatsApp = CardParts::command(background, "btnWhatsApp", QStringLiteral("Invia messaggio"),
                                     CardIcons::icon(CardIcons::Symbol::WhatsApp, kWhatsApp));
    btnWhatsApp->setIconSize(QSize(36, 36));
    btnWhatsApp->setMinimumHeight(50);
    btnChiudi = new QPushButton(QStringLiteral("Annulla"), background);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnChiudi->setMinimumHeight(50);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnWhatsApp, 1);
    buttons->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(appointment);
    layout->addWidget(client);
    layout->addLayout(buttons);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background);
    setFixedSize(520, 380);

    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmWhatsApp_Message::btnWhatsAppClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    SingleLine::attachAll(this);
}

void TfrmWhatsApp_Message::btnWhatsAppClick() {
    TMisc::Open(
        WhatsApp::sendLink(Text::trim(txtCel->text()),
                           WhatsApp::reminderText(Text::trim(txtOra->text()), Text::trim(txtData->text()))));
    accept();
}
