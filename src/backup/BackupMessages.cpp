#include "backup/BackupMessages.h"

#include "core/text/Formats.h"

#include <QDir>

using Backup::Failure;

namespace BackupMessages {

QString megabytes(qint64 bytes) {
    return Formats::decimalText(double(bytes) / (1024.0 * 1024.0), 1) + QStringLiteral(" MB");
}

QString momentText(const QDateTime &moment) {
    return Formats::dateText(moment.date()) + QLatin1Char(' ') + Formats::shortTimeText(moment.time());
}

QString nothingChanged() {
    return QStringLiteral("Il ripristino non è stato eseguito: i dati attuali sono rimasti invariati.");
}

QString failureText(const Backup::Outcome &o) {
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
    case Failure::InsideProgramFolder:
        return QStringLiteral(
                   "Attenzione: la copia di sicurezza non può essere salvata nella cartella del programma "
                   "né in una sua sottocartella:\r\n%1\r\n\r\nOgni copia successiva conterrebbe anche "
                   "questa e un ripristino la riporterebbe tra i dati. Scegliere un'altra cartella, ad "
                   "esempio su una chiavetta USB o su un disco di rete.")
            .arg(subject);
    case Failure::RestoreElsewhere:
        return QStringLiteral("Attenzione: in un'altra postazione è in corso un ripristino dei dati da una "
                              "copia di sicurezza. Attendere che termini.");
    case Failure::RestorePending:
        return QStringLiteral("Attenzione: un ripristino dei dati precedente si è interrotto e deve essere "
                              "completato prima di un altro: chiudere il programma e avviarlo di nuovo.");
    case Failure::ReplaceFailed:
        return QStringLiteral(
                   "Attenzione: non è stato possibile sostituire o spostare il file %1 della cartella "
                   "del programma (forse è aperto in un'altra postazione).")
            .arg(subject);
    }
    return {};
}

} // namespace BackupMessages
