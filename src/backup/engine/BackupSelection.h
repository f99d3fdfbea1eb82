#pragma once
// What a backup copy of the program folder holds: every data file (the
// archives, the services files, the work registers, the photos, the attached
// documents, the settings, the password store and the logo), never the
// program itself, its libraries, the manual or the alarm sound, nor a backup
// copy ("Tersalia_Copia_*.zip") or a file being written (a program temporary). A restore
// writes only files this rule accepts, so a copy can never replace the program.
#include <QList>
#include <QString>

namespace BackupSelection {

struct DataFile {
    QString path;       // relative to the program folder, parts joined by "/"
    int recordSize = 0; // the record size of a record file, 0 for any other file
};

// The data files of folder (with or without a trailing "/"), sorted by path.
QList<DataFile> list(const QString &folder);
// True for a relative path that the rule above accepts.
bool isDataFile(const QString &relativePath);
// The record size of a record file, 0 for any other file.
int recordSize(const QString &relativePath);
// True for a relative path that stays inside the folder it is joined to: no
// absolute path, drive letter, backslash, "." or ".." part, empty part or
// control character.
bool isSafeRelativePath(const QString &relativePath);
// The settings file of the backups themselves: it tells when this folder was
// last copied, so it is neither copied nor replaced by a restore.
QString settingsFileName(); // "Salvataggio.ini"

} // namespace BackupSelection
