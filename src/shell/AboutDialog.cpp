#include "shell/AboutDialog.h"

#include "ui/widgets/LinkLabel.h"
#include "core/platform/OpenURL.h"
#include "ui/windows/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent, const QString &caption, const QPixmap &artwork, const QPixmap &icon,
                         const QString &iconName, const QString &linkText, const QString &command)
    : QDialog(parent) {
    setWindowTitle(caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    auto *picture = new QLabel(this);
    picture->setPixmap(artwork);
    linkIcon = new ClickableImage(icon, this);
    linkIcon->setObjectName(iconName);
    lnkWeb = new LinkLabel(linkText, this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    row->addWidget(linkIcon);
    row->addWidget(lnkWeb);
    row->addStretch();
    row->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    auto open = [command]() { TMisc::Open(command); };
    connect(lnkWeb, &LinkLabel::clicked, this, open);
    connect(linkIcon, &ClickableImage::clicked, this, open);
}
