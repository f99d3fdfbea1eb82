#include "shell/Password.h"

#include "ui/card/FocusHighlight.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "shell/Application.h"
#include "shell/BackupOpening.h"
#include "ui/widgets/Artwork.h"
#include "shell/CambiaPassword.h"
#include "ui/windows/ModuleWindow.h"
#include "shell/PasswordStore.h"
#include "ui/input/SingleLine.h"
#include "ui/windows/WindowPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Tersalia - Accesso"));
    setWindowFlags(WindowPlacement::windowFlags);

    auto *picture = new QLabel(this);
    picture->setPixmap(Artwork::banner(
        Artwork::Glyph::Padlock, QStringLiteral("Password"),
        {QStringLiteral("Proteggi l'accesso all'applicazione con una password di tua scelta."),
         QStringLiteral("Per il primo accesso usa la password pergolatoviola (senza virgolette).")},
        QSize(460, 130)));
    auto *prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));

    auto *form = new QGridLayout;
    form->setContentsMargins(16, 8, 16, 12);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    form->addWidget(prompt, 0, 0, 1, 3);
    form->addWidget(txtPassword, 1, 0, 1, 3);
    form->addWidget(btnCambiaPassword, 2, 0);
    form->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    form->addLayout(buttons, 2, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addLayout(form);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusHighlight::attach(txtPassword, QStringLiteral("effPassword"));
    SingleLine::attach(txtPassword);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(txtPassword, &QLineEdit::returnPressed, this, [this]() {
        if (!Text::trim(txtPassword->text()).isEmpty())
            cmdOKClick();
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, []() { Tersalia::terminate(); });
    connect(btnCambiaPassword, &QPushButton::clicked, this, [this]() {
        Tersalia::createModules();
        if (!m_change)
            return;
        m_change->show();
        hide();
    });
}

void TfrmPassword::setScreens(QWidget *mainMenu, TfrmCambiaPassword *changePassword) {
    m_menu = mainMenu;
    m_change = changePassword;
}

void TfrmPassword::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    QTimer::singleShot(0, txtPassword, qOverload<>(&QWidget::setFocus));
}

void TfrmPassword::closeEvent(QCloseEvent *e) {
    QWidget::closeEvent(e);
    Tersalia::terminate();
}

void TfrmPassword::updateOK() { cmdOK->setEnabled(!Text::trim(txtPassword->text()).isEmpty()); }

void TfrmPassword::cmdOKClick() {
    QString expected;
    if (!PasswordStore::read(&expected)) {
        Messages::plain(this,
                        QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                       "lettura della password. Si consiglia di reinstallare il software."));
        return;
    }
    if (PasswordStore::normalise(txtPassword->text()) == expected && !expected.isEmpty()) {
        Tersalia::createModules(); // already made, unless the password came very fast
        if (m_menu)
            showFullScreenArea(m_menu);
        hide();
        BackupOpening::remind(m_menu);
        return;
    }
    Messages::plain(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::returnFromChange() {
    txtPassword->clear();
    show();
    txtPassword->setFocus();
}
