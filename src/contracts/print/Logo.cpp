#include "contracts/print/Logo.h"

#include "contracts/print/ContractLogo.h"
#include "ui/platform/FileDialogs.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "ui/widgets/Artwork.h"
#include "ui/windows/WindowPlacement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The eraser of btnCancLogo, painted.
QIcon eraserIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(QColor(90, 60, 60), 1.2));
    p.setBrush(QColor(230, 110, 120));
    p.drawRoundedRect(QRectF(-12, -6, 14, 12), 2, 2);
    p.setBrush(QColor(90, 130, 210));
    p.drawRoundedRect(QRectF(2, -6, 10, 12), 2, 2);
    return QIcon(pm);
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo"));
    setWindowFlags(WindowPlacement::dialogFlags);

    imgIstruzioni = new QLabel(this);
    imgIstruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    imgIstruzioni->setPixmap(
        Artwork::banner(Artwork::Glyph::Logo, QStringLiteral("Logo della Ditta"),
                        {QStringLiteral("Caricare il proprio logo in formato Jpeg o Bitmap"),
                         QStringLiteral("con una dimensione di 297×184 pixel.")},
                        QSize(460, 110)));

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(ContractLogo::designSize());
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #8fb8d8; }"));

    btnCancLogo = new QToolButton(this);
    btnCancLogo->setObjectName(QStringLiteral("btnCancLogo"));
    btnCancLogo->setIcon(eraserIcon());
    btnCancLogo->setIconSize(QSize(28, 28));
    btnCancLogo->setToolTip(QStringLiteral("Cancella il logo"));
    imgEuro = new QToolButton(this);
    imgEuro->setObjectName(QStringLiteral("imgEuro"));
    imgEuro->setIcon(QIcon(QPixmap::fromImage(ContractLogo::defaultLogo())));
    imgEuro->setIconSize(QSize(44, 28));
    imgEuro->setToolTip(QStringLiteral("Logo predefinito"));

    btnSfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {btnSfoglia, btnApplica, btnAnnulla})
        b->setAutoDefault(false);

    auto *small = new QVBoxLayout;
    small->addWidget(btnCancLogo);
    small->addWidget(imgEuro);
    small->addStretch();
    auto *picture = new QHBoxLayout;
    picture->addStretch();
    picture->addWidget(imgLogo);
    picture->addLayout(small);
    picture->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnSfoglia);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imgIstruzioni);
    layout->addLayout(picture);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnCancLogo, &QToolButton::clicked, this, [this]() { showPicture(ContractLogo::blankLogo()); });
    connect(imgEuro, &QToolButton::clicked, this, [this]() { showPicture(ContractLogo::defaultLogo()); });
}

QString TfrmLogo::notSavedText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\n\r\n\rAccertarsi "
        "di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

QString TfrmLogo::unreadableText(const QString &fileName) {
    return QStringLiteral("Attenzione: non è stato possibile leggere l'immagine del file ") +
           QDir::toNativeSeparators(fileName) +
           QStringLiteral(".\n\r\n\rIl file non è un'immagine in formato Jpeg o Bitmap, oppure è danneggiato "
                          "o incompleto. Il logo non è stato cambiato.");
}

QString TfrmLogo::dialogTitle() {
    return QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
}

QString TfrmLogo::dialogFilter() {
    return QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
}

void TfrmLogo::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    showPicture(ContractLogo::current());
}

void TfrmLogo::showPicture(const QImage &picture) {
    m_picture = picture;
    // Shown at its own size, a larger one reduced to the frame.
    QPixmap pm = QPixmap::fromImage(picture);
    if (pm.width() > imgLogo->width() || pm.height() > imgLogo->height())
        pm = pm.scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(pm);
}

void TfrmLogo::btnSfogliaClick() {
    const QString name = FileDialogs::openFile(this, dialogTitle(), ProgramFolder::path(), dialogFilter());
    if (name.isEmpty())
        return;
    const QImage image = ContractLogo::fromFile(name);
    if (image.isNull()) {
        // The logo there was stays: a wrong choice must not lose it.
        Messages::warning(this, unreadableText(name));
        return;
    }
    showPicture(image);
}

void TfrmLogo::btnApplicaClick() {
    if (!ContractLogo::save(m_picture)) {
        // The chosen picture stays on screen: the user may try again or cancel.
        Messages::warning(this, notSavedText());
        return;
    }
    accept();
}
