#pragma once
// A program folder the user cannot write to, and an export file another
// program holds open, for the life of the object.
//
// Tests run as root, which writes through any permission bit. So the folder is
// made read-only (mode 0555, its files 0444) and, as root, this thread's file
// system identity becomes an ordinary user's (setfsuid), which drops root's
// right to override permissions until the object goes. A locked file is made
// immutable (chattr +i) as root, read-only otherwise.
#include <QString>
#include <QStringList>

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    // False when this machine gave no way of making it read-only (checked by
    // trying to create a file in it).
    bool holds() const { return m_holds; }

private:
    QString m_path;
    QStringList m_files;
    int m_previousFsUid = -1;
    bool m_holds = false;
};

class LockedFile {
public:
    explicit LockedFile(QString path);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;
    bool holds() const { return m_holds; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_holds = false;
};
