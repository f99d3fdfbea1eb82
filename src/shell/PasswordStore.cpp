#include "shell/PasswordStore.h"

#include "core/files/PlatformFiles.h"
#include "core/settings/IniFile.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/TextRules.h"
#include "shell/Crypt.h"

#include <QFile>
#include <QFileInfo>

namespace PasswordStore {

QString path() { return ProgramFolder::file(QStringLiteral("unins000.dll")); }

bool read(QString *password) {
    // A store that is there but cannot be read (no permission, a folder of
    // that name) is a reading error, not an empty password.
    const QFileInfo info(path());
    if (info.exists()) {
        QFile file(path());
        if (info.isDir() || !PlatformFiles::open(file, QIODevice::ReadOnly))
            return false;
    }
    QString text;
    if (!Crypt::Unscramble(IniFile(path()).read(QStringLiteral("Accesso"), QStringLiteral("Valore")), &text))
        return false;
    *password = Text::trim(text);
    return true;
}

bool write(const QString &password) {
    // The settings file holds a line of any length, so every password the
    // scrambling takes (255 characters, 510 digits) is written as one key.
    return IniFile(path()).writeChecked(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                        Crypt::Scramble(password));
}

QString normalise(const QString &typed) { return Text::trim(Text::upperAZ(typed)); }

} // namespace PasswordStore
