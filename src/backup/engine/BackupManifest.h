#pragma once
// The list a backup copy carries as "Tersalia_Copia.txt": when it was made,
// by which version of the program, and every file with its size and CRC-32.
// A restore trusts a copy only when its files match this list exactly.
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct BackupEntry {
    QString path; // relative, parts joined by "/"
    qint64 size = 0;
    quint32 crc = 0;
    bool operator==(const BackupEntry &) const = default;
};

struct BackupManifest {
    QDateTime made;
    QString version;
    QList<BackupEntry> entries;

    static QString fileName(); // "Tersalia_Copia.txt"
    qint64 totalSize() const;
    const BackupEntry *find(const QString &path) const;

    // Windows-1252 text, one line per file; a character of a file name that
    // Windows-1252 cannot hold is written as \uXXXX (and "\" as "\\").
    QByteArray toBytes() const;
    // Nothing unless the text is a whole, well-formed list.
    static std::optional<BackupManifest> parse(const QByteArray &bytes);
};
