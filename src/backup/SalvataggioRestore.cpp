// The restore's job on the backup screen: the copy chosen and checked, its
// content shown, the current data copied first, then the restore as one step;
// what the user is told when it is done, undone or left for the next start.
#include "backup/Salvataggio.h"

#include "backup/BackupMessages.h"
#include "backup/BackupSettings.h"
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupRestore.h"
#include "core/platform/Clock.h"
#include "core/platform/ProgramFolder.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>

using Backup::Failure;
using BackupMessages::megabytes;
using BackupMessages::momentText;

QString TfrmSalvataggio::restoredText() {
    return QStringLiteral(
        "Ripristino completato: il programma ora si chiude; avviarlo di nuovo per lavorare sui dati "
        "ripristinati.");
}

QString TfrmSalvataggio::undoneText() {
    return QStringLiteral(
        "Il ripristino è stato annullato: tutti i file sono tornati come erano prima del ripristino. "
        "Ripeterlo dopo aver chiuso il programma nelle altre postazioni.");
}

QString TfrmSalvataggio::pendingText() {
    return QStringLiteral(
        "Non è stato possibile né completare il ripristino né riportare i file come erano: il programma "
        "ora si chiude. Chiudere il programma nelle altre postazioni e avviarlo di nuovo: all'avvio il "
        "ripristino sarà completato, o annullato, prima dell'accesso.");
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
        Messages::warning(this, failureText(copy.outcome) + QStringLiteral("\r\n\r\n") +
                                    BackupMessages::nothingChanged());
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
        Messages::information(this, BackupMessages::nothingChanged());
        return;
    }
    const BackupRestore::Result r =
        BackupRestore::run(ProgramFolder::path(), zip, m, Clock::now(),
                           startWork(QStringLiteral("Ripristino dei dati in corso...")), before);
    endWork();
    if (!r.outcome.ok()) {
        const QString beforeText =
            QStringLiteral("\r\n\r\nLa copia dei dati precedenti al ripristino è\r\n%1")
                .arg(QDir::toNativeSeparators(before));
        const QString cause = failureText(r.outcome) + QStringLiteral("\r\n\r\n");
        if (r.undone) {
            Messages::error(this, cause + undoneText() + beforeText);
        } else if (r.pending) {
            // The folder is part old, part new until the next start finishes or undoes it.
            Messages::error(this, cause + pendingText() + beforeText);
            QDialog::accept();
            if (m_onRestored)
                m_onRestored();
        } else {
            Messages::error(this, cause + BackupMessages::nothingChanged());
        }
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
