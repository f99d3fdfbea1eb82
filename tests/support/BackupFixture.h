#pragma once
// A program folder holding every kind of data file (the four archives, one of
// them empty, a services file, a work register, a photo, attachments with
// accents and blanks in their names and a 20 MB one, the settings, the password
// store, the logo) next to files a backup must leave out, and the helpers that
// compare folders and build ZIP archives by hand.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

namespace BackupFixture {

// Writes the data files into folder (and the files that are not data);
// returns the data files' relative paths and bytes.
QHash<QString, QByteArray> fill(const QString &folder, bool bigAttachment = true);
// Every file under folder, relative path -> bytes.
QHash<QString, QByteArray> tree(const QString &folder);
// The files a backup leaves out, as fill() writes them.
QStringList notDataFiles();

// A ZIP archive with these entries stored as given; when withList, a list
// "Tersalia_Copia.txt" naming each with its real size and CRC-32 comes first
// (with wrongCrc, the first entry's CRC-32 on the list is off by one; the
// list also names the files of listedOnly, which the archive does not hold).
bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries, bool withList,
              bool wrongCrc = false, const QList<QPair<QString, QByteArray>> &listedOnly = {});

quint32 crcOf(const QByteArray &bytes);

} // namespace BackupFixture
