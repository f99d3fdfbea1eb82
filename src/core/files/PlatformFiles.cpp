#include "core/files/PlatformFiles.h"

#include "core/files/SystemFiles.h"

#include <QDir>
#include <QFileInfo>

namespace PlatformFiles {

#ifdef Q_OS_WIN
namespace {
const wchar_t *native(const QString &path) { return reinterpret_cast<const wchar_t *>(path.utf16()); }
} // namespace

bool open(QFile &file, QIODevice::OpenMode mode) {
    const QString path = QDir::toNativeSeparators(QFileInfo(file.fileName()).absoluteFilePath());
    DWORD access = 0;
    if (mode & QIODevice::ReadOnly)
        access |= GENERIC_READ;
    if (mode & QIODevice::WriteOnly)
        access |= GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (mode & QIODevice::NewOnly)
        disposition = CREATE_NEW;
    else if ((mode & QIODevice::WriteOnly) && !(mode & QIODevice::ExistingOnly))
        disposition = OPEN_ALWAYS;
    // FILE_SHARE_DELETE: the file may be renamed over or removed while open.
    const HANDLE h = CreateFileW(native(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const int fd = _open_osfhandle(intptr_t(h), (mode & QIODevice::WriteOnly) ? _O_RDWR : _O_RDONLY);
    if (fd < 0) {
        CloseHandle(h);
        return false;
    }
    if (!file.open(fd, mode & ~(QIODevice::NewOnly | QIODevice::ExistingOnly),
                   QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return false;
    }
    return true;
}

bool namesFile(QFile &file, const QString &path) {
    BY_HANDLE_FILE_INFORMATION open = {}, named = {};
    if (!GetFileInformationByHandle(HANDLE(_get_osfhandle(file.handle())), &open))
        return false;
    const HANDLE h = CreateFileW(native(QDir::toNativeSeparators(path)), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool read = GetFileInformationByHandle(h, &named);
    CloseHandle(h);
    return read && open.dwVolumeSerialNumber == named.dwVolumeSerialNumber &&
           open.nFileIndexHigh == named.nFileIndexHigh && open.nFileIndexLow == named.nFileIndexLow;
}

bool syncToDisk(QFile &file) { return FlushFileBuffers(HANDLE(_get_osfhandle(file.handle()))) != 0; }

// MoveFileEx with MOVEFILE_WRITE_THROUGH has written the folder already.
bool syncFolder(const QString &) { return true; }

Renamed renameWithoutReplacing(const QString &from, const QString &to) {
    if (MoveFileExW(native(QDir::toNativeSeparators(from)), native(QDir::toNativeSeparators(to)),
                    MOVEFILE_WRITE_THROUGH))
        return Renamed::Done;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Renamed::TargetExists
                                                                       : Renamed::Failed;
}

#else

bool open(QFile &file, QIODevice::OpenMode mode) { return file.open(mode); }

bool namesFile(QFile &file, const QString &path) {
    struct stat open = {}, named = {};
    if (::fstat(file.handle(), &open) != 0 || ::stat(QFile::encodeName(path).constData(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool syncToDisk(QFile &file) {
    int rc;
    do
        rc = ::fsync(file.handle());
    while (rc == -1 && errno == EINTR);
    return rc == 0;
}

bool syncFolder(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true; // a folder that cannot be opened so (a share): the rename stands
    int rc;
    do
        rc = ::fsync(fd);
    while (rc == -1 && errno == EINTR);
    const bool synced = rc == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP;
    ::close(fd);
    return synced;
}

Renamed renameWithoutReplacing(const QString &from, const QString &to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return Renamed::Done;
    if (errno == EEXIST)
        return Renamed::TargetExists;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Renamed::Failed;
#endif
    // Where the file system has no such rename: a second name made only when
    // free (link fails on an existing one), then the first one removed.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return Renamed::Done;
    }
    if (errno == EEXIST)
        return Renamed::TargetExists;
    // Nor links (some shares): the check and the rename are two steps there.
    if (QFileInfo::exists(to))
        return Renamed::TargetExists;
    return std::rename(source.constData(), target.constData()) == 0 ? Renamed::Done : Renamed::Failed;
}

#endif

} // namespace PlatformFiles
