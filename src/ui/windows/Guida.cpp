#include "ui/windows/Guida.h"

#include "core/platform/ProgramFolder.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/LinkLabel.h"
#include "core/platform/OpenURL.h"
#include "ui/windows/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setWindowFlags(WindowPlacement::dialogFlags);
    setFixedSize(720, 560);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont tf = lblTitolo->font();
    tf.setPointSize(tf.pointSize() + 5);
    tf.setBold(true);
    lblTitolo->setFont(tf);
    lblTitolo->setStyleSheet(QStringLiteral("color: #1c3f73;"));

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    imgPDF = new ClickableImage(Artwork::icon(Artwork::Glyph::Pdf, 28, QColor(200, 40, 40)), this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    lnkWeb = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitolo);
    layout->addWidget(txtGuida, 1);
    layout->addLayout(bottom);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::openManual);
    connect(imgPDF, &ClickableImage::clicked, this, &TfrmGuida::openManual);
}

void TfrmGuida::openManual() {
    // Quoted, so a program folder with blanks in its path still opens.
    TMisc::Open(QLatin1Char('"') + ProgramFolder::file(QStringLiteral("Guida.pdf")) + QLatin1Char('"'));
}

void TfrmGuida::showHelp(QWidget *parent, const QString &title, const QString &text) {
    auto *help = new TfrmGuida(parent);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->lblTitolo->setText(title);
    help->txtGuida->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    help->exec();
}

void TfrmGuida::showHelp(QWidget *parent, const HelpText &help) {
    showHelp(parent, help.title, help.joined());
}
