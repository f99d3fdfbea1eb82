#include "ui/windows/PrintLauncher.h"

#include "ui/widgets/Artwork.h"
#include "ui/windows/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PrintLauncher::PrintLauncher(QWidget *parent, const QString &caption, const QString &pictureTitle,
                             const QStringList &pictureLines, const QString &actionText)
    : QDialog(parent) {
    setWindowTitle(caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    const QSize picture(460, 150);

    imgIstruzioni = new QLabel(this);
    imgIstruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    imgIstruzioni->setPixmap(Artwork::banner(Artwork::Glyph::Contract, pictureTitle, pictureLines, picture));
    btnStampa = new QPushButton(actionText, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imgIstruzioni);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnStampa, &QPushButton::clicked, this, &PrintLauncher::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintLauncher::btnStampaClick() {
    run();
    accept();
}

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_PrintLauncher.cpp"
