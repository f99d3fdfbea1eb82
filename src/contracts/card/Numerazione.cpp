#include "contracts/card/Numerazione.h"

#include "contracts/card/ContractSettings.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/FocusHighlight.h"
#include "ui/input/InputRules.h"
#include "ui/windows/WindowPlacement.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

TfrmNumerazione::TfrmNumerazione(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmNumerazione"));
    setWindowTitle(QStringLiteral(" Impostazione inizio numerazione"));
    setWindowFlags(WindowPlacement::dialogFlags);

    imgIstruzioni = new QLabel(this);
    imgIstruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    // Two notes, each one whole sentence: the banner wraps them in its width.
    imgIstruzioni->setPixmap(Artwork::banner(
        Artwork::Glyph::Contract, QStringLiteral("Numerazione automatica"),
        {QStringLiteral("1. Usare questa funzione per far partire la numerazione automatica dei documenti "
                        "da un numero superiore a 1."),
         QStringLiteral("2. La numerazione automatica è applicata soltanto premendo Nuovo prima di compilare "
                        "il documento.")},
        QSize(560, 150)));

    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    txtInizio = new QLineEdit(QStringLiteral("1"), grpNumerazione);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setMaxLength(5);
    txtInizio->setFixedWidth(110);
    txtInizio->setAlignment(Qt::AlignCenter);
    FocusHighlight::attach(txtInizio, QStringLiteral("effInizio"));
    auto *group = new QHBoxLayout(grpNumerazione);
    group->setContentsMargins(16, 14, 16, 10);
    group->addWidget(txtInizio);
    group->addStretch();

    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setAutoDefault(false);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    lblMemory = new QLabel(QStringLiteral("lblMemory"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(grpNumerazione, 1);
    buttons->addSpacing(20);
    buttons->addWidget(btnApplica, 0, Qt::AlignBottom);
    buttons->addWidget(btnAnnulla, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imgIstruzioni);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *rules = new InputRules(this);
    rules->add(txtInizio, {FieldInput::Digits});
    rules->setEnterOrder({txtInizio, btnApplica}, false);
    rules->leaveHook = [this](QWidget *) { txtInizioExit(); };
    // Escape in the field leaves the dialog as Annulla does, as everywhere.
    rules->keyHook = [this](QWidget *, QKeyEvent *e) {
        if (e->key() != Qt::Key_Escape)
            return false;
        reject();
        return true;
    };

    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmNumerazione::notSavedText() {
    return QStringLiteral("Attenzione: non è stato possibile salvare il numero iniziale nel file "
                          "Contratti.ini.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella "
                          "cartella di installazione del programma.");
}

bool TfrmNumerazione::forContracts() const {
    return Text::trim(lblMemory->text()) == QLatin1String("contratti");
}

void TfrmNumerazione::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (forContracts())
        txtInizio->setText(ContractSettings::startValue());
    if (Text::trim(txtInizio->text()).isEmpty())
        txtInizio->setText(QStringLiteral("1"));
    txtInizio->setFocus(Qt::OtherFocusReason);
}

// Leading zeros go, a half rounds up, anything unreadable becomes 1.
void TfrmNumerazione::txtInizioExit() {
    const QString t = Text::trim(txtInizio->text());
    bool ok = false;
    const double v = t.isEmpty() ? 1 : Formats::parseDecimal(t, &ok);
    txtInizio->setText(t.isEmpty() || !ok ? QStringLiteral("1")
                                          : QString::number(qint64(std::floor(v + 0.5))));
}

void TfrmNumerazione::btnApplicaClick() {
    txtInizioExit();
    if (forContracts() && !ContractSettings::writeStartValue(Text::trim(txtInizio->text()))) {
        // The value typed stays on screen: the user may try again or cancel.
        Messages::warning(this, notSavedText());
        return;
    }
    accept();
}
