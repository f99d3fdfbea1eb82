#include "core/IniFile.h"

#include "core/TextRules.h"

#include <QFile>

#include <minIni.h>

namespace {
// minIni handles lines of at most this many bytes and silently cuts longer ones.
constexpr int kMaxLine = 510;
} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::read(const QString &section, const QString &key) const {
    char buffer[kMaxLine + 2] = {};
    const QByteArray file = QFile::encodeName(m_path);
    ini_gets(Text::toCp1252(section).constData(), Text::toCp1252(key).constData(), "", buffer,
             int(sizeof buffer), file.constData());
    return Text::trim(Text::fromCp1252(QByteArray(buffer)));
}

bool IniFile::write(const QString &section, const QString &key, const QString &value) {
    const QByteArray s = Text::toCp1252(section), k = Text::toCp1252(key);
    const QByteArray v = Text::toCp1252(Text::trim(value));
    // A value that minIni would cut, or one that spans lines, cannot be kept intact.
    if (k.size() + v.size() + 1 > kMaxLine || s.size() + 2 > kMaxLine || v.contains('\n') || v.contains('\r'))
        return false;
    const QByteArray file = QFile::encodeName(m_path);
    return ini_puts(s.constData(), k.constData(), v.constData(), file.constData()) == 1;
}
