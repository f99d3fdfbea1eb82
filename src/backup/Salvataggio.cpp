#include "backup/Salvataggio.h"

#include "backup/BackupMessages.h"
#include "backup/BackupSettings.h"
#include "backup/SalvataggioHelp.h"
#include "backup/engine/BackupSelection.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/Formats.h"
#include "ui/widgets/Artwork.h"
#include "ui/windows/Guida.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using BackupMessages::megabytes;
using BackupMessages::momentText;

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel *value(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText); // folders and copies as they are named, never markup
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

TfrmSalvataggio::TfrmSalvataggio(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmSalvataggio"));
    setWindowTitle(QStringLiteral(" Copia di sicurezza degli archivi"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    imgIstruzioni = new QLabel(this);
    imgIstruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    imgIstruzioni->setPixmap(Artwork::banner(
        Artwork::Glyph::Backup, QStringLiteral("Copia di sicurezza"),
        {QStringLiteral(
             "Una copia verificata di tutti gli archivi, dei servizi, dei registri, delle foto, dei"),
         QStringLiteral(
             "documenti allegati e delle impostazioni in un solo file, su una chiavetta USB o in una"),
         QStringLiteral("cartella di rete. Da una copia si ripristinano tutti i dati in un solo passaggio.")},
        QSize(640, 130)));

    grpUltima = new QGroupBox(QStringLiteral(" Ultima copia di sicurezza "), this);
    grpUltima->setObjectName(QStringLiteral("grpUltima"));
    lblData = value(grpUltima, "lblData");
    lblCartella = value(grpUltima, "lblCartella");
    lblCartella->setWordWrap(true);
    lblDimensione = value(grpUltima, "lblDimensione");
    auto *last = new QFormLayout(grpUltima);
    last->setContentsMargins(16, 12, 16, 10);
    last->addRow(QStringLiteral("Data:"), lblData);
    last->addRow(QStringLiteral("Cartella:"), lblCartella);
    last->addRow(QStringLiteral("Dimensione:"), lblDimensione);

    cmdSalva = button(this, "cmdSalva", QStringLiteral("Crea copia di sicurezza"));
    cmdRipristina = button(this, "cmdRipristina", QStringLiteral("Ripristina da una copia"));
    for (QPushButton *b : {cmdSalva, cmdRipristina}) {
        b->setMinimumHeight(40);
        b->setIconSize(QSize(28, 28));
    }
    cmdSalva->setIcon(QIcon(Artwork::icon(Artwork::Glyph::Backup, 28, QColor(40, 120, 190))));
    cmdRipristina->setIcon(QIcon(Artwork::icon(Artwork::Glyph::Backup, 28, QColor(200, 120, 40))));

    lblAvanzamento = new QLabel(idleText(), this);
    lblAvanzamento->setObjectName(QStringLiteral("lblAvanzamento"));
    // With its percentage written in it: an empty bar alone reads as a text field.
    prgAvanzamento = new QProgressBar(this);
    prgAvanzamento->setObjectName(QStringLiteral("prgAvanzamento"));
    prgAvanzamento->setRange(0, 1000);
    prgAvanzamento->setValue(0);
    prgAvanzamento->setTextVisible(true);
    prgAvanzamento->setFormat(QStringLiteral("%p%"));
    prgAvanzamento->setAlignment(Qt::AlignCenter);
    cmdAnnulla = button(this, "cmdAnnulla", QStringLiteral("Annulla"));
    cmdAnnulla->setEnabled(false);

    grpCopia = new QGroupBox(QStringLiteral(" Contenuto della copia da ripristinare "), this);
    grpCopia->setObjectName(QStringLiteral("grpCopia"));
    lblCopia = value(grpCopia, "lblCopia");
    lblCopia->setText(QStringLiteral("Nessuna copia scelta."));
    lstContenuto = new QListWidget(grpCopia);
    lstContenuto->setObjectName(QStringLiteral("lstContenuto"));
    lstContenuto->setFixedHeight(150);
    auto *copy = new QVBoxLayout(grpCopia);
    copy->setContentsMargins(16, 12, 16, 10);
    copy->addWidget(lblCopia);
    copy->addWidget(lstContenuto);

    cmdGuida = button(this, "cmdGuida", QStringLiteral("Guida"));
    cmdChiudi = button(this, "cmdChiudi", QStringLiteral("Chiudi"));

    auto *commands = new QHBoxLayout;
    commands->addWidget(cmdSalva, 1);
    commands->addSpacing(12);
    commands->addWidget(cmdRipristina, 1);
    auto *progress = new QHBoxLayout;
    progress->addWidget(prgAvanzamento, 1);
    progress->addWidget(cmdAnnulla);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(cmdGuida);
    bottom->addStretch();
    bottom->addWidget(cmdChiudi);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(14, 6, 14, 12);
    body->setSpacing(10);
    body->addWidget(grpUltima);
    body->addLayout(commands);
    body->addWidget(lblAvanzamento);
    body->addLayout(progress);
    body->addWidget(grpCopia);
    body->addLayout(bottom);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imgIstruzioni);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSalva, &QPushButton::clicked, this, &TfrmSalvataggio::cmdSalvaClick);
    connect(cmdRipristina, &QPushButton::clicked, this, &TfrmSalvataggio::cmdRipristinaClick);
    connect(cmdAnnulla, &QPushButton::clicked, this, [this]() { m_cancelled = true; });
    connect(cmdGuida, &QPushButton::clicked, this, [this]() { TfrmGuida::showHelp(this, backupHelp()); });
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmSalvataggio::reject);
    showLastCopy();
}

QString TfrmSalvataggio::idleText() { return QStringLiteral("Nessuna operazione in corso."); }

QString TfrmSalvataggio::failureText(const Backup::Outcome &o) { return BackupMessages::failureText(o); }

void TfrmSalvataggio::showLastCopy() {
    const BackupSettings::LastCopy c = BackupSettings::last();
    if (!c.made.isValid()) {
        // Before the first copy: how much a copy will hold, so the room needed is known.
        qint64 data = 0;
        for (const BackupSelection::DataFile &f : BackupSelection::list(ProgramFolder::path()))
            data += QFileInfo(ProgramFolder::file(f.path)).size();
        lblData->setText(QStringLiteral("Non è ancora stata creata una copia di sicurezza."));
        lblCartella->setText(QStringLiteral("Nessuna."));
        lblDimensione->setText(megabytes(data) + QStringLiteral(" di dati da copiare."));
        return;
    }
    lblData->setText(momentText(c.made));
    lblCartella->setText(QDir::toNativeSeparators(QDir(c.folder).filePath(c.file)));
    lblDimensione->setText(c.size >= 0 ? megabytes(c.size) : QString());
}

void TfrmSalvataggio::reject() {
    if (!m_working)
        QDialog::reject();
}

Backup::Progress TfrmSalvataggio::startWork(const QString &what) {
    m_working = true;
    m_cancelled = false;
    for (QPushButton *b : {cmdSalva, cmdRipristina, cmdGuida, cmdChiudi})
        b->setEnabled(false);
    cmdAnnulla->setEnabled(true);
    lblAvanzamento->setText(what);
    prgAvanzamento->setValue(0);
    m_sinceShown.start();
    return [this](qint64 done, qint64 total) {
        // The screen follows the work a few times a second, and "Annulla" is heard.
        if (m_sinceShown.elapsed() >= 40 || done >= total) {
            prgAvanzamento->setValue(total > 0 ? int(std::min<qint64>(1000, done * 1000 / total)) : 1000);
            QCoreApplication::processEvents();
            m_sinceShown.restart();
        }
        return !m_cancelled;
    };
}

void TfrmSalvataggio::endWork() {
    m_working = false;
    for (QPushButton *b : {cmdSalva, cmdRipristina, cmdGuida, cmdChiudi})
        b->setEnabled(true);
    cmdAnnulla->setEnabled(false);
    lblAvanzamento->setText(idleText());
    prgAvanzamento->setValue(0);
}
