#include "employees/register/WorkFile.h"

#include "core/records/Archives.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/TextRules.h"

#include <QDir>

namespace WorkFile {

bool acceptsTaxCode(const QString &taxCode) {
    const QString code = Text::trim(taxCode);
    if (code.contains(QLatin1String("..")))
        return false;
    for (QChar c : code) {
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

QString refusedTaxCodeText(const QString &taxCode) {
    return QStringLiteral("Attenzione: il codice fiscale \"") + Text::trim(taxCode) +
           QStringLiteral("\" contiene caratteri non ammessi (/ \\ : * ? \" < > | oppure due punti "
                          "consecutivi) e non può dare il nome al registro delle prestazioni.\n\r\n\r"
                          "Correggere il codice fiscale e riprovare.");
}

QString path(const QString &taxCode) {
    if (!acceptsTaxCode(taxCode))
        return {};
    const QString folder = ProgramFolder::file(Archives::worksFolderName());
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + Archives::worksFileName(taxCode);
}

} // namespace WorkFile
