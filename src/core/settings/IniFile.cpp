#include "core/settings/IniFile.h"

#include "core/files/FileLock.h"
#include "core/files/PlatformFiles.h"
#include "core/files/WholeFileWriter.h"
#include "core/settings/IniText.h"
#include "core/text/TextRules.h"

#include <QDeadlineTimer>
#include <QFile>

#include <optional>

namespace {

QByteArray encode(const QString &text, bool utf8) { return utf8 ? text.toUtf8() : Text::toCp1252(text); }

QString decode(const QByteArray &bytes, bool utf8) {
    return utf8 ? QString::fromUtf8(bytes) : Text::fromCp1252(bytes);
}

bool holdsLineBreak(const QByteArray &bytes) { return bytes.contains('\n') || bytes.contains('\r'); }

// Names the file can hold so that they read back as the same names.
bool namesFit(const QByteArray &section, const QByteArray &key) {
    return !section.isEmpty() && !key.isEmpty() && !holdsLineBreak(section) && !holdsLineBreak(key) &&
           !section.contains(']') && !key.contains('=') && key.front() != ';' && key.front() != '[';
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QByteArray IniFile::text() const {
    QFile file(m_path);
    if (!PlatformFiles::open(file, QIODevice::ReadOnly | QIODevice::ExistingOnly))
        return {};
    // Under a shared lock, so a station rewriting the file is never caught half-way.
    FileLock lock(file, FileLock::Kind::Shared);
    return file.readAll();
}

QString IniFile::read(const QString &section, const QString &key) const {
    const QByteArray text = this->text();
    const bool utf8 = IniText::hasUtf8Mark(text);
    const std::optional<QByteArray> value =
        IniText::value(text, encode(Text::trim(section), utf8), encode(Text::trim(key), utf8));
    return value ? Text::trim(decode(*value, utf8)) : QString();
}

bool IniFile::write(const QString &section, const QString &key, const QString &value) {
    // The new text is made in memory and written whole beside the file, which
    // it replaces in one step (core/files/WholeFileWriter): a kill or a full
    // disk at any moment leaves the file old or new, never a mixture. All of
    // it under the file's lock, so two stations saving settings at once take
    // turns and neither change is lost.
    const QDeadlineTimer patience(FileLock::patienceMs());
    for (;;) {
        QFile current(m_path);
        // Creates a missing file (to hold its lock), never truncates; a file
        // that cannot be opened for writing is not replaced either.
        if (!PlatformFiles::open(current, QIODevice::ReadWrite))
            return false;
        FileLock lock(current);
        if (!lock.isLocked())
            return false;
        // Another station may have replaced the file while this one waited:
        // the lock held is then the old file's, and the text to change the new one's.
        if (!PlatformFiles::namesFile(current, m_path)) {
            if (patience.hasExpired())
                return false;
            continue;
        }
        const QByteArray before = current.readAll();
        if (current.error() != QFileDevice::NoError)
            return false;
        const bool utf8 = IniText::hasUtf8Mark(before);
        const QByteArray s = encode(Text::trim(section), utf8), k = encode(Text::trim(key), utf8);
        const QByteArray v = encode(Text::trim(value), utf8);
        if (!namesFit(s, k) || holdsLineBreak(v))
            return false;
        const QByteArray after = IniText::withValue(before, s, k, v);
        return after == before || WholeFileWriter::writeWhole(m_path, after);
    }
}

bool IniFile::writeChecked(const QString &section, const QString &key, const QString &value) {
    if (!write(section, key, value))
        return false;
    const QByteArray text = this->text();
    const bool utf8 = IniText::hasUtf8Mark(text);
    const QByteArray v = encode(Text::trim(value), utf8);
    return IniText::value(text, encode(Text::trim(section), utf8), encode(Text::trim(key), utf8)) ==
           IniText::unquoted(v).toByteArray();
}
