// The copy's job on the backup screen: the folder asked, the copy written and
// checked with the progress shown, and remembered as the last one.
#include "backup/Salvataggio.h"

#include "backup/BackupMessages.h"
#include "backup/BackupSettings.h"
#include "backup/engine/BackupWriter.h"
#include "core/platform/Clock.h"
#include "core/platform/ProgramFolder.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/Messages.h"

#include <QDir>
#include <QFileInfo>

using Backup::Failure;
using BackupMessages::megabytes;

QString TfrmSalvataggio::doneText(int files, qint64 bytes) {
    return QStringLiteral("Copia di sicurezza completata e verificata: %1 file, %2.")
        .arg(files)
        .arg(megabytes(bytes));
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
        else if (r.outcome.failure == Failure::InsideProgramFolder)
            Messages::warning(this, text);
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
