#include "shell/PasswordStore.h"

#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/TextRules.h"
#include "shell/Crypt.h"

#include <QFileInfo>

namespace PasswordStore {

QString path() { return ProgramFolder::file(QStringLiteral("unins000.dll")); }

bool read(QString *password) {
    const QFileInfo info(path());
    if (info.exists() && !info.isReadable())
        return false;
    QString text;
    if (!Crypt::Unscramble(IniFile(path()).read(QStringLiteral("Accesso"), QStringLiteral("Valore")), &text))
        return false;
    *password = Text::trim(text);
    return true;
}

bool write(const QString &password) {
    IniFile store(path());
    const QString hex = Crypt::Scramble(password);
    return store.write(QStringLiteral("Accesso"), QStringLiteral("Valore"), hex) &&
           store.read(QStringLiteral("Accesso"), QStringLiteral("Valore")) == hex;
}

QString normalise(const QString &typed) { return Text::trim(Text::upperAZ(typed)); }

} // namespace PasswordStore
