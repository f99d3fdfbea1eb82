#include "core/files/FileReplace.h"

#include "core/files/SystemFiles.h"

#include <QDir>
#include <QFile>

namespace FileReplace {
namespace {
Steps &realSteps() {
    static Steps steps;
    return steps;
}
Steps *&current() {
    static Steps *steps = &realSteps();
    return steps;
}
} // namespace

bool Steps::syncToDisk(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
#ifdef Q_OS_WIN
    return FlushFileBuffers(HANDLE(_get_osfhandle(file.handle()))) != 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

bool Steps::replace(const QString &from, const QString &to) {
#ifdef Q_OS_WIN
    const QString source = QDir::toNativeSeparators(from), target = QDir::toNativeSeparators(to);
    return MoveFileExW(reinterpret_cast<const wchar_t *>(source.utf16()),
                       reinterpret_cast<const wchar_t *>(target.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

bool Steps::syncFolder(const QString &folder) {
#ifdef Q_OS_WIN
    // MoveFileEx with MOVEFILE_WRITE_THROUGH returns once the rename is on the disk.
    return QDir(folder).exists();
#else
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

bool syncToDisk(const QString &path) { return current()->syncToDisk(path); }
bool replace(const QString &from, const QString &to) { return current()->replace(from, to); }
bool syncFolder(const QString &folder) { return current()->syncFolder(folder); }

void setSteps(Steps *steps) { current() = steps ? steps : &realSteps(); }

} // namespace FileReplace
