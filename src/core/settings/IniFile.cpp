#include "core/settings/IniFile.h"

#include "core/files/FileLock.h"
#include "core/settings/IniText.h"
#include "core/text/TextRules.h"

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
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
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
    // The file is rewritten in place under its lock, so two stations saving
    // settings at once take turns and neither change is lost.
    QFile target(m_path);
    // Creates a missing file, never truncates; unbuffered, so a write that
    // runs out of room says so at once and leaves nothing pending.
    if (!target.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    FileLock lock(target);
    if (!lock.isLocked())
        return false;
    const QByteArray before = target.readAll();
    if (target.error() != QFileDevice::NoError)
        return false;
    const bool utf8 = IniText::hasUtf8Mark(before);
    const QByteArray s = encode(Text::trim(section), utf8), k = encode(Text::trim(key), utf8);
    const QByteArray v = encode(Text::trim(value), utf8);
    if (!namesFit(s, k) || holdsLineBreak(v))
        return false;
    const QByteArray after = IniText::withValue(before, s, k, v);
    if (after == before)
        return true;
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

bool IniFile::writeChecked(const QString &section, const QString &key, const QString &value) {
    if (!write(section, key, value))
        return false;
    const QByteArray text = this->text();
    const bool utf8 = IniText::hasUtf8Mark(text);
    const QByteArray v = encode(Text::trim(value), utf8);
    return IniText::value(text, encode(Text::trim(section), utf8), encode(Text::trim(key), utf8)) ==
           IniText::unquoted(v).toByteArray();
}
