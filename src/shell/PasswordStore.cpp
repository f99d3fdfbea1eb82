#include "shell/PasswordStore.h"

#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/TextRules.h"
#include "shell/Crypt.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PasswordStore {

QString path() { return ProgramFolder::file(QStringLiteral("unins000.dll")); }

bool read(QString *password) {
    // A store that is there but cannot be read (no permission, a folder of
    // that name) is a reading error, not an empty password.
    const QFileInfo info(path());
    if (info.exists()) {
        QFile file(path());
        if (info.isDir() || !file.open(QIODevice::ReadOnly))
            return false;
    }
    QString text;
    if (!Crypt::Unscramble(IniFile(path()).read(QStringLiteral("Accesso"), QStringLiteral("Valore")), &text))
        return false;
    *password = Text::trim(text);
    return true;
}

bool write(const QString &password) {
    IniFile store(path());
    const QString hex = Crypt::Scramble(password);
    const QString key = QStringLiteral("Valore");
    bool written;
    if (key.size() + 1 + hex.size() <= IniFile::maxLine()) {
        written = store.write(QStringLiteral("Accesso"), key, hex);
    } else {
        // A password of 252 to 255 characters makes a line longer than the
        // settings library writes: the store, which holds nothing else, is
        // written whole, still a standard INI file, replacing the old one
        // only once the new one is complete (flushed first: commit() would not
        // notice a full disk and leave an empty store, that is no password).
        QSaveFile file(path());
        written = file.open(QIODevice::WriteOnly) &&
                  file.write("[Accesso]\r\nValore=" + hex.toLatin1() + "\r\n") > 0 && file.flush() &&
                  file.commit();
    }
    return written && store.read(QStringLiteral("Accesso"), key) == hex;
}

QString normalise(const QString &typed) { return Text::trim(Text::upperAZ(typed)); }

} // namespace PasswordStore
