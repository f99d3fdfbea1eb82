#include "core/IniFile.h"

#include "core/FileLock.h"
#include "core/TextRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <minIni.h>
#include <optional>

namespace {
// minIni handles lines of at most this many bytes and silently cuts longer ones.
constexpr int kMaxLine = 510;

// The value of key in section read line by line, for a line longer than
// minIni reads (it would cut the value).
QByteArray longValue(const QString &path, const QByteArray &section, const QByteArray &key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inSection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            const qsizetype end = line.indexOf(']');
            inSection = end > 0 && line.mid(1, end - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (inSection && eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

int IniFile::maxLine() { return kMaxLine; }

QString IniFile::read(const QString &section, const QString &key) const {
    char buffer[kMaxLine + 2] = {};
    // Read under a shared lock, so a station rewriting the file is never caught half-way.
    QFile held(m_path);
    std::optional<FileLock> lock;
    if (held.exists() && held.open(QIODevice::ReadOnly))
        lock.emplace(held, FileLock::Kind::Shared);
    const QByteArray file = QFile::encodeName(m_path);
    const QByteArray s = Text::toCp1252(section), k = Text::toCp1252(key);
    ini_gets(s.constData(), k.constData(), "", buffer, int(sizeof buffer), file.constData());
    QByteArray value(buffer);
    // A value filling minIni's line may have been cut: read its line whole.
    if (k.size() + 1 + value.size() >= kMaxLine - 2)
        value = longValue(m_path, s, k);
    return Text::trim(Text::fromCp1252(value));
}

bool IniFile::write(const QString &section, const QString &key, const QString &value) {
    const QByteArray s = Text::toCp1252(section), k = Text::toCp1252(key);
    const QByteArray v = Text::toCp1252(Text::trim(value));
    // A value that minIni would cut, or one that spans lines, cannot be kept intact.
    if (k.size() + v.size() + 1 > kMaxLine || s.size() + 2 > kMaxLine || v.contains('\n') || v.contains('\r'))
        return false;
    // The file is rewritten in place under its lock, so two stations saving
    // settings at once take turns and neither change is lost. minIni edits a
    // private copy; the lock stays on the one file every station opens.
    QFile target(m_path);
    // Creates a missing file, never truncates; unbuffered, so a write that
    // runs out of room says so at once and leaves nothing pending.
    if (!target.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    FileLock lock(target);
    if (!lock.isLocked())
        return false;
    // minIni copies lines as C strings: a NUL byte would cut its line and glue
    // the next one (a section header, say) onto it, so it becomes a blank.
    QByteArray before = target.readAll();
    before.replace('\0', ' ');
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    const QString copyPath = work.filePath(QStringLiteral("settings.ini"));
    QFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(before) != before.size() || !copy.flush())
        return false;
    copy.close();
    if (ini_puts(s.constData(), k.constData(), v.constData(), QFile::encodeName(copyPath).constData()) != 1)
        return false;
    if (!copy.open(QIODevice::ReadOnly))
        return false;
    const QByteArray after = copy.readAll();
    // A longer text first takes its extra room at the end of the file, so a
    // disk that fills up fails here, with the old text still whole (cut back to
    // its size), instead of half-way through the rewrite below.
    const qint64 old = before.size();
    if (after.size() > old &&
        !(target.seek(old) && target.write(after.mid(old)) == after.size() - old && target.flush())) {
        target.resize(old);
        return false;
    }
    return target.seek(0) && target.write(after) == after.size() && target.flush() &&
           target.resize(after.size());
}
