#pragma once
// A standard Windows INI file (names may contain blanks, values are
// Windows-1252), as any Windows INI reader expects it.
#include <QString>

class IniFile {
public:
    explicit IniFile(QString path);

    // The trimmed value, or an empty text when the file or key is missing.
    QString read(const QString &section, const QString &key) const;
    // Writes the trimmed value, creating the file, section or key as needed.
    // False when the file cannot be written (the caller reports it).
    bool write(const QString &section, const QString &key, const QString &value);

    const QString &path() const { return m_path; }
    // The longest line (key, "=" and value, in bytes) that write() stores.
    static int maxLine();

private:
    QString m_path;
};
