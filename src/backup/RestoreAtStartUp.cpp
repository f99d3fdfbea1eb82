#include "backup/RestoreAtStartUp.h"

#include "core/platform/ProgramFolder.h"
#include "ui/platform/Messages.h"

#include <QDir>

namespace RestoreAtStartUp {

using Kind = RestoreRecovery::Result::Kind;

QString text(const RestoreRecovery::Result &r) {
    const QString copy = QDir::toNativeSeparators(r.copy), before = QDir::toNativeSeparators(r.before);
    const QString beforeText =
        r.before.isEmpty()
            ? QString()
            : QStringLiteral("\r\n\r\nI dati come erano prima del ripristino sono nella copia\r\n%1")
                  .arg(before);
    const QString closing = QStringLiteral("\r\n\r\nIl programma ora si chiude.");
    switch (r.kind) {
    case Kind::Nothing:
        return {};
    case Kind::Unchanged:
        return QStringLiteral("Un ripristino dei dati si era interrotto mentre leggeva la copia\r\n%1\r\n\r\n"
                              "I dati non erano ancora stati toccati: sono rimasti quelli di prima.")
            .arg(copy);
    case Kind::Finished:
        return QStringLiteral("Un ripristino dei dati si era interrotto: è stato completato ora, con i file "
                              "già estratti e verificati della copia\r\n%1\r\n\r\nTutti i dati sono quelli "
                              "della copia.")
                   .arg(copy) +
               (r.asideFolder.isEmpty()
                    ? QString()
                    : QStringLiteral(" I file dei dati che la copia non contiene sono nella cartella %1 del "
                                     "programma.")
                          .arg(r.asideFolder)) +
               beforeText;
    case Kind::Undone:
        return QStringLiteral("Un ripristino dei dati si era interrotto e non è stato possibile completarlo "
                              "(il file %1 non si può sostituire, forse è aperto in un'altra postazione): "
                              "tutti i file sono stati riportati come erano prima del ripristino.\r\n\r\n"
                              "Per ripristinare la copia\r\n%2\r\nripetere il ripristino dopo aver chiuso il "
                              "programma nelle altre postazioni.")
            .arg(QDir::toNativeSeparators(r.subject), copy);
    case Kind::Stuck:
        return QStringLiteral(
                   "Un ripristino dei dati si è interrotto e non è stato possibile né completarlo "
                   "né annullarlo: il file %1 non si può spostare (forse è aperto in un'altra "
                   "postazione).\r\n\r\nChiudere il programma in tutte le postazioni e avviarlo di "
                   "nuovo: il ripristino sarà ripreso.")
                   .arg(QDir::toNativeSeparators(r.subject)) +
               beforeText + closing;
    case Kind::Unreadable:
        return QStringLiteral("Un ripristino dei dati si è interrotto, ma il file %1 che lo descrive non è "
                              "leggibile: il programma non può sapere quali file completare.\r\n\r\n"
                              "Ripristinare i dati da una copia di sicurezza (Tersalia_Copia_...zip) "
                              "estraendola nella cartella del programma, poi eliminare il file %1.")
                   .arg(r.subject) +
               closing;
    case Kind::Elsewhere:
        return QStringLiteral("In un'altra postazione è in corso il ripristino dei dati da una copia di "
                              "sicurezza. Attendere che termini, poi avviare di nuovo il programma.") +
               closing;
    }
    return {};
}

bool run(QWidget *parent) {
    const RestoreRecovery::Result r = RestoreRecovery::finish(ProgramFolder::path());
    const QString message = text(r);
    switch (r.kind) {
    case Kind::Nothing:
        return true;
    case Kind::Unchanged:
    case Kind::Finished:
        Messages::information(parent, message);
        return true;
    case Kind::Undone:
        Messages::warning(parent, message);
        return true;
    case Kind::Stuck:
    case Kind::Unreadable:
    case Kind::Elsewhere:
        Messages::error(parent, message);
        return false;
    }
    return true;
}

} // namespace RestoreAtStartUp
