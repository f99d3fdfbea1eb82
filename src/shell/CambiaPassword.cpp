#include "shell/CambiaPassword.h"

#include "ui/card/FocusHighlight.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "ui/widgets/Artwork.h"
#include "shell/Password.h"
#include "shell/PasswordStore.h"
#include "ui/input/SingleLine.h"
#include "ui/windows/WindowPlacement.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");
}

TfrmCambiaPassword::TfrmCambiaPassword(TfrmPassword *login, QWidget *parent)
    : QWidget(parent), m_login(login) {
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowFlags(WindowPlacement::windowFlags);

    auto *picture = new QLabel(this);
    picture->setPixmap(Artwork::banner(Artwork::Glyph::Padlock, QStringLiteral("Cambia password"),
                                       {QStringLiteral("Compila i campi qui sotto e premi OK.")},
                                       QSize(460, 110)));
    auto makeField = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setEchoMode(QLineEdit::Password);
        connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
        return edit;
    };
    txtPasswordOld = makeField("txtPasswordOld");
    txtPasswordNew = makeField("txtPasswordNew");
    txtConferma = makeField("txtConferma");
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));

    auto *form = new QFormLayout;
    form->setContentsMargins(16, 8, 16, 0);
    form->setVerticalSpacing(10);
    form->addRow(QStringLiteral("Vecchia password:"), txtPasswordOld);
    form->addRow(QStringLiteral("Nuova password:"), txtPasswordNew);
    form->addRow(QStringLiteral("Conferma nuova password:"), txtConferma);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 4, 16, 12);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusHighlight::attach(txtPasswordOld, QStringLiteral("effPasswordOld"));
    FocusHighlight::attach(txtPasswordNew, QStringLiteral("effPasswordNew"));
    FocusHighlight::attach(txtConferma, QStringLiteral("effConferma"));

    // Enter walks the three fields; it never presses OK here.
    connect(txtPasswordOld, &QLineEdit::returnPressed, txtPasswordNew, qOverload<>(&QWidget::setFocus));
    connect(txtPasswordNew, &QLineEdit::returnPressed, txtConferma, qOverload<>(&QWidget::setFocus));
    connect(txtConferma, &QLineEdit::returnPressed, txtPasswordOld, qOverload<>(&QWidget::setFocus));
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    SingleLine::attachAll(this);
}

void TfrmCambiaPassword::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *e) {
    QWidget::closeEvent(e);
    if (m_login)
        m_login->returnFromChange();
}

// Escape leaves as Chiudi does, back to the login.
void TfrmCambiaPassword::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TfrmCambiaPassword::updateOK() {
    cmdOK->setEnabled(!Text::trim(txtPasswordOld->text()).isEmpty() &&
                      !Text::trim(txtPasswordNew->text()).isEmpty() &&
                      !Text::trim(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick() {
    QString stored;
    if (!PasswordStore::read(&stored)) {
        Messages::plain(this, kChangeError);
        return;
    }
    if (PasswordStore::normalise(txtPasswordOld->text()) != stored) {
        Messages::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (Text::trim(txtPasswordNew->text()) != Text::trim(txtConferma->text())) {
        Messages::plain(this,
                        QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                       "E' necessario reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    const QString fresh = PasswordStore::normalise(txtPasswordNew->text());
    // The scrambling holds one byte per character and at most 255 characters:
    // anything else could never be typed back at the login.
    bool representable = fresh.size() <= 255;
    for (QChar c : fresh)
        representable = representable && c.unicode() >= 1 && c.unicode() <= 255;
    if (!representable) {
        Messages::plain(this,
                        QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri "
                                       "e nessun carattere speciale fuori dall'alfabeto occidentale. "
                                       "Scegliere un'altra password."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    if (!PasswordStore::write(fresh)) {
        Messages::plain(this, kChangeError);
        return;
    }
    Messages::plain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}
