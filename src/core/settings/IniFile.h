#pragma once
// A settings file (Contratti.ini, Liberatoria_Privacy.ini, the password
// store): a standard Windows INI file read and written as the Windows profile
// functions do (core/settings/IniText), Windows-1252 text, or UTF-8 after a byte-order
// mark. Reading and writing take the file's lock (core/files/FileLock), so stations
// sharing the folder never lose each other's keys; a write replaces the file
// whole (core/files/WholeFileWriter), so nobody ever sees it half-written.
#include <QString>

class IniFile {
public:
    explicit IniFile(QString path);

    // The trimmed value, or an empty text when the file or key is missing.
    QString read(const QString &section, const QString &key) const;
    // Writes the trimmed value, creating the file, section or key as needed;
    // every other line stays as it was. False when the file cannot be written
    // or the names or the value cannot be held on their lines (a line break
    // in the value, "=" in a key name, "]" in a section name): the caller
    // reports it.
    bool write(const QString &section, const QString &key, const QString &value);

    // write(), then the file read again: false unless it gives the value
    // back as written (one pair of enclosing quotes is read away, as on
    // Windows, and counts as given back).
    bool writeChecked(const QString &section, const QString &key, const QString &value);

    const QString &path() const { return m_path; }

private:
    // The file's text, read under a shared lock; empty when missing or unreadable.
    QByteArray text() const;

    QString m_path;
};
