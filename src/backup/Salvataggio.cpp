#include "backup/Salvataggio.h"

#include "backup/BackupSettings.h"
#include "backup/SalvataggioHelp.h"
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupRestore.h"
#include "backup/engine/BackupWriter.h"
#include "core/platform/Clock.h"
#include "ui/platform/FileDialogs.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
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

using Backup::Failure;

namespace {

QString megabytes(qint64 bytes) {
    return Formats::decimalText(double(bytes) / (1024.0 * 1024.0), 1) + QStringLiteral(" MB");
}

QString momentText(const QDateTime &moment) {
    return Formats::dateText(moment.date()) + QLatin1Char(' ') + Formats::shortTimeText(moment.time());
}

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

const QString kNothingChanged =
    QStringLiteral("Il ripristino non è stato eseguito: i dati attuali sono rimasti invariati.");

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

    lblAvanzamento = new QLabel(this);
    lblAvanzamento->setObjectName(QStringLiteral("lblAvanzamento"));
    prgAvanzamento = new QProgressBar(this);
    prgAvanzamento->setObjectName(QStringLiteral("prgAvanzamento"));
    prgAvanzamento->setRange(0, 1000);
    prgAvanzamento->setValue(0);
    prgAvanzamento->setTextVisible(false);
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

QString TfrmSalvataggio::doneText(int files, qint64 bytes) {
    return QStringLiteral("Copia di sicurezza completata e verificata: %1 file, %2.")
        .arg(files)
        .arg(megabytes(bytes));
}

QString TfrmSalvataggio::restoredText() {
    return QStringLiteral(
        "Ripristino completato: il programma ora si chiude; avviarlo di nuovo per lavorare sui dati "
        "ripristinati.");
}

QString TfrmSalvataggio::failureText(const Backup::Outcome &o) {
    const QString subject = QDir::toNativeSeparators(o.subject);
    switch (o.failure) {
    case Failure::None:
        return {};
    case Failure::Cancelled:
        return QStringLiteral("Operazione annullata: nessun file è stato scritto.");
    case Failure::FolderNotWritable:
        return QStringLiteral(
                   "Attenzione: non è possibile scrivere nella cartella\r\n%1\r\n\r\nAccertarsi che la "
                   "cartella esista e di possedere i privilegi di scrittura.")
            .arg(subject);
    case Failure::DiskFull:
        return QStringLiteral(
                   "Attenzione: lo spazio libero nella cartella\r\n%1\r\nnon è sufficiente. Liberare "
                   "spazio o scegliere un'altra cartella.")
            .arg(subject);
    case Failure::FileUnreadable:
        return QStringLiteral(
                   "Attenzione: non è stato possibile leggere il file %1 della cartella del programma "
                   "(forse un'altra postazione lo tiene bloccato).")
            .arg(subject);
    case Failure::NotACopy:
        return QStringLiteral(
            "Attenzione: il file scelto non è un archivio ZIP leggibile: il ripristino non è "
            "possibile.");
    case Failure::NoManifest:
        return QStringLiteral(
            "Attenzione: il file scelto non contiene un elenco Tersalia_Copia.txt valido, quindi "
            "non è una copia di sicurezza di Tersalia: il ripristino non è possibile.");
    case Failure::UnsafePath:
        return QStringLiteral(
                   "Attenzione: la copia contiene il file \"%1\", che verrebbe scritto fuori dalla "
                   "cartella del programma: la copia è stata rifiutata.")
            .arg(o.subject);
    case Failure::NotDataFile:
        return QStringLiteral("Attenzione: la copia contiene il file \"%1\", che non è un file dei dati del "
                              "programma: la copia è stata rifiutata.")
            .arg(o.subject);
    case Failure::Damaged:
        return QStringLiteral(
                   "Attenzione: il file \"%1\" della copia è mancante o danneggiato (dimensione o codice "
                   "di controllo diversi dall'elenco della copia).")
            .arg(o.subject);
    case Failure::ReplaceFailed:
        return QStringLiteral(
                   "Attenzione: non è stato possibile sostituire o spostare il file %1 della cartella "
                   "del programma (forse è aperto in un'altra postazione).")
            .arg(subject);
    }
    return {};
}

void TfrmSalvataggio::showLastCopy() {
    const BackupSettings::LastCopy c = BackupSettings::last();
    if (!c.made.isValid()) {
        lblData->setText(QStringLiteral("Non è ancora stata creata una copia di sicurezza."));
        lblCartella->clear();
        lblDimensione->clear();
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
    lblAvanzamento->clear();
    prgAvanzamento->setValue(0);
}

bool TfrmSalvataggio::backUp(const QString &folder, QString *zipPath) {
    const QDateTime now = Clock::now();
    const BackupWriter::Result r =
        BackupWriter::write(ProgramFolder::path(), folder, now,
                            startWork(QStringLiteral("Creazione e verifica della copia di sicurezza...")));
    endWork();
    if (!r.outcome.ok()) {
        const QString text = failureText(r.outcome);
        if (r.outcome.failure == Failure::Cancelled)
            Messages::information(this, text);
        else
            Messages::error(this, text + QStringLiteral("\r\n\r\nLa copia di sicurezza non è stata creata."));
        return false;
    }
    *zipPath = r.zipPath;
    m_recorded = BackupSettings::recordCopy(now, folder, QFileInfo(r.zipPath).fileName(), r.zipSize);
    showLastCopy();
    m_lastFiles = r.files;
    m_lastSize = r.zipSize;
    return true;
}

QString TfrmSalvataggio::notRecordedText() {
    return QStringLiteral(
        "Attenzione: la copia è stata creata, ma non è stato possibile registrarne la data nel "
        "file Salvataggio.ini.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella "
        "cartella di installazione del programma.");
}

void TfrmSalvataggio::cmdSalvaClick() {
    QString start = BackupSettings::last().folder;
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    const QString folder = FileDialogs::folder(
        this, QStringLiteral("Selezionare la cartella in cui salvare la copia di sicurezza:"), start);
    if (folder.isEmpty())
        return;
    QString zip;
    if (!backUp(folder, &zip))
        return;
    Messages::information(this, doneText(m_lastFiles, m_lastSize));
    // Said last: the copy is good, but the next reminder will not know of it.
    if (!m_recorded)
        Messages::warning(this, notRecordedText());
}

void TfrmSalvataggio::cmdRipristinaClick() {
    const BackupSettings::LastCopy lastCopy = BackupSettings::last();
    const QString zip = FileDialogs::openFile(
        this, QStringLiteral("Selezionare la copia di sicurezza da ripristinare:"),
        lastCopy.folder.isEmpty() ? QDir::homePath() : lastCopy.folder,
        QStringLiteral("Copie di sicurezza di Tersalia (Tersalia_Copia_*.zip);;Tutti i file (*.*)"));
    if (zip.isEmpty())
        return;
    lstContenuto->clear();
    const BackupArchive::Inspection copy = BackupArchive::inspect(zip);
    if (!copy.outcome.ok()) {
        lblCopia->setText(QStringLiteral("Copia rifiutata: ") + QDir::toNativeSeparators(zip));
        Messages::warning(this, failureText(copy.outcome) + QStringLiteral("\r\n\r\n") + kNothingChanged);
        return;
    }
    const BackupManifest &m = copy.manifest;
    lblCopia->setText(QStringLiteral("Copia del %1 (versione %2 del programma): %3 file, %4.")
                          .arg(momentText(m.made), m.version)
                          .arg(m.entries.size())
                          .arg(megabytes(m.totalSize())));
    for (const BackupEntry &e : m.entries)
        lstContenuto->addItem(QDir::toNativeSeparators(e.path) + QStringLiteral("   (") +
                              QLocale(QLocale::Italian).toString(e.size) + QStringLiteral(" byte)"));
    const QString folder = QFileInfo(zip).absolutePath();
    if (!Messages::confirm(
            this, QStringLiteral("La copia del %1 contiene %2 file (%3), elencati nella finestra.\r\n\r\n"
                                 "I dati attuali del programma saranno sostituiti con quelli della "
                                 "copia. Prima del ripristino verrà creata una copia di sicurezza dei "
                                 "dati attuali nella cartella\r\n%4\r\n\r\nProcedere con il ripristino?")
                      .arg(momentText(m.made))
                      .arg(m.entries.size())
                      .arg(megabytes(m.totalSize()), QDir::toNativeSeparators(folder))))
        return;

    QString before;
    if (!backUp(folder, &before)) {
        Messages::information(this, kNothingChanged);
        return;
    }
    const BackupRestore::Result r =
        BackupRestore::run(ProgramFolder::path(), zip, m, Clock::now(),
                           startWork(QStringLiteral("Ripristino dei dati in corso...")));
    endWork();
    if (!r.outcome.ok()) {
        const QString beforeText = QStringLiteral("La copia dei dati precedenti al ripristino è\r\n%1")
                                       .arg(QDir::toNativeSeparators(before));
        if (r.replaced == 0 && r.outcome.failure != Failure::ReplaceFailed)
            Messages::error(this, failureText(r.outcome) + QStringLiteral("\r\n\r\n") + kNothingChanged);
        else
            Messages::error(this,
                            failureText(r.outcome) +
                                QStringLiteral("\r\n\r\nIl ripristino si è interrotto dopo %1 file su %2: "
                                               "ogni file è rimasto com'era o è stato sostituito per intero. "
                                               "Ripetere il ripristino dopo aver chiuso il programma nelle "
                                               "altre postazioni.\r\n\r\n")
                                    .arg(r.replaced)
                                    .arg(m.entries.size()) +
                                beforeText);
        return;
    }
    if (r.setAside > 0)
        Messages::information(this,
                              QStringLiteral("%1 file dei dati attuali non presenti nella copia sono stati "
                                             "spostati nella cartella %2 del programma.")
                                  .arg(r.setAside)
                                  .arg(r.asideFolder));
    Messages::information(this, restoredText());
    QDialog::accept();
    if (m_onRestored)
        m_onRestored();
}
