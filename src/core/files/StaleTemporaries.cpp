#include "core/files/StaleTemporaries.h"

#include "core/platform/Clock.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace StaleTemporaries {
namespace {

// QSaveFile and QTemporaryFile end a name with six letters or digits.
const QString kRandom = QStringLiteral("[A-Za-z0-9]{6}");

struct Place {
    QString folder; // under the program folder; empty for the folder itself
    QRegularExpression names;
};

QRegularExpression exactly(const QString &pattern) {
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

const QList<Place> &places() {
    static const QList<Place> list = {
        // The exports, the documents, the logo, the manual and the settings
        // files, each written through a save file "<name>.XXXXXX".
        {QString(), exactly(QStringLiteral("(Clienti|Contratti|Riepilogo_Appuntamenti|Appuntamenti_Imminenti|"
                                           "Appuntamenti_Giornalieri|Appuntamenti_Mensili)\\.xls\\.") +
                            kRandom)},
        {QString(), exactly(QStringLiteral("(Contatto\\.pdf|Guida\\.pdf|Modulo_Privacy\\.rtf|Logo\\.bmp|"
                                           "unins000\\.dll|Contratti\\.ini|Liberatoria_Privacy\\.ini)\\.") +
                            kRandom)},
        // The employee photos.
        {QStringLiteral("Anagrafica"),
         exactly(QStringLiteral("Scheda_Dipendente_[0-9]+\\.jpg\\.") + kRandom)},
        // The attachments being copied.
        {QStringLiteral("Documenti_Allegati"), exactly(QRegularExpression::escape(attachmentCopyTemplate())
                                                           .replace(QStringLiteral("XXXXXX"), kRandom))},
    };
    return list;
}

} // namespace

QString attachmentCopyTemplate() { return QStringLiteral("~Tersalia_copia_XXXXXX.tmp"); }

int removeOlderThanADay() {
    const QDateTime limit = Clock::now().addDays(-1);
    int removed = 0;
    for (const Place &place : places()) {
        const QDir dir(ProgramFolder::file(place.folder));
        const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo &file : files) {
            if (file.isSymLink() || !place.names.match(file.fileName()).hasMatch())
                continue;
            if (file.lastModified() < limit && QFile::remove(file.absoluteFilePath()))
                ++removed;
        }
    }
    return removed;
}

} // namespace StaleTemporaries
