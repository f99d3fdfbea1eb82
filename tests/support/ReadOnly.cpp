#include "ReadOnly.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

namespace {
constexpr QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                     QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                     QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kReadOnlyFile =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kWritable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

bool canCreateIn(const QString &folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral(".probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

bool isRoot() {
#ifdef Q_OS_LINUX
    return geteuid() == 0;
#else
    return false;
#endif
}
} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path) : m_path(std::move(path)) {
    QDirIterator it(m_path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        m_files.append(it.next());
    for (const QString &f : m_files)
        QFile::setPermissions(f, QFileInfo(f).isDir() ? kReadOnlyFolder : kReadOnlyFile);
    QFile::setPermissions(m_path, kReadOnlyFolder);
#ifdef Q_OS_LINUX
    if (isRoot())
        m_previousFsUid = setfsuid(65534); // nobody: no permission override
#endif
    m_holds = !canCreateIn(m_path);
}

ReadOnlyFolder::~ReadOnlyFolder() {
#ifdef Q_OS_LINUX
    if (m_previousFsUid >= 0)
        setfsuid(uid_t(m_previousFsUid));
#endif
    QFile::setPermissions(m_path, kWritable);
    for (const QString &f : m_files)
        QFile::setPermissions(f, QFileInfo(f).isDir() ? kWritable : kReadOnlyFile | QFileDevice::WriteOwner);
}

LockedFile::LockedFile(QString path) : m_path(std::move(path)) {
    if (isRoot())
        m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
    if (!m_immutable)
        QFile::setPermissions(m_path, kReadOnlyFile);
    QFile probe(m_path);
    m_holds = !probe.open(QIODevice::WriteOnly | QIODevice::Append);
}

LockedFile::~LockedFile() {
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    QFile::setPermissions(m_path, kReadOnlyFile | QFileDevice::WriteOwner);
}
