#pragma once
// "Salvataggio.ini": the last backup copy made of this program folder (when,
// in which folder, its file and size) and the day the reminder last asked.
#include <QDateTime>
#include <QString>

namespace BackupSettings {

struct LastCopy {
    QDateTime made; // invalid when no copy was ever made
    QString folder; // as the user chose it
    QString file;   // the copy's name inside folder
    qint64 size = -1;
};

LastCopy last();
// False when the file cannot be written (the caller says so).
bool recordCopy(const QDateTime &made, const QString &folder, const QString &file, qint64 size);

// The day the reminder was last shown (invalid when never).
QDate lastReminder();
bool recordReminder(const QDate &day);

} // namespace BackupSettings
