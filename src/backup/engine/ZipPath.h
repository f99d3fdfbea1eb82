#pragma once
// A path as libzip takes it: UTF-8 on Windows, the file system's encoding elsewhere.
#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray zipPathBytes(const QString &path) {
#ifdef Q_OS_WIN
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}
