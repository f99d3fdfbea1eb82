#include "core/files/FileLock.h"

#include "core/files/SystemFiles.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int> g_patienceMs{5000};

// The byte that stands for the whole file: far past the end of any archive.
constexpr qint64 kLockOffset = Q_INT64_C(0x4000000000000000);

// One attempt; false when another holder has it (or locking is impossible).
bool tryLock(QFile &file, FileLock::Kind kind) {
#ifdef Q_OS_WIN
    const HANDLE h = HANDLE(_get_osfhandle(file.handle()));
    if (h == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED where = {};
    where.Offset = DWORD(kLockOffset & 0xffffffff);
    where.OffsetHigh = DWORD(kLockOffset >> 32);
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (kind == FileLock::Kind::Exclusive)
        flags |= LOCKFILE_EXCLUSIVE_LOCK;
    return LockFileEx(h, flags, 0, 1, 0, &where) != 0;
#else
    struct flock fl = {};
    fl.l_type = kind == FileLock::Kind::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(kLockOffset);
    fl.l_len = 1;
    static_assert(sizeof(off_t) >= 8, "the lock byte lies beyond 4 GB: large-file offsets needed");
    int rc;
#ifdef F_OFD_SETLK
    // Locks of the open file itself: two handles in one process exclude each
    // other too, and closing another handle of the file does not drop them.
    do
        rc = fcntl(file.handle(), F_OFD_SETLK, &fl);
    while (rc == -1 && errno == EINTR);
    if (rc == 0 || errno != EINVAL)
        return rc == 0;
        // A kernel without open-file locks: the classic process locks.
#endif
    do
        rc = fcntl(file.handle(), F_SETLK, &fl);
    while (rc == -1 && errno == EINTR);
    return rc == 0;
#endif
}

void unlock(QFile &file) {
#ifdef Q_OS_WIN
    const HANDLE h = HANDLE(_get_osfhandle(file.handle()));
    OVERLAPPED where = {};
    where.Offset = DWORD(kLockOffset & 0xffffffff);
    where.OffsetHigh = DWORD(kLockOffset >> 32);
    UnlockFileEx(h, 0, 1, 0, &where);
#else
    struct flock fl = {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(kLockOffset);
    fl.l_len = 1;
#ifdef F_OFD_SETLK
    if (fcntl(file.handle(), F_OFD_SETLK, &fl) == 0 || errno != EINVAL)
        return;
#endif
    fcntl(file.handle(), F_SETLK, &fl);
#endif
}
} // namespace

FileLock::FileLock(QFile &file, Kind kind) : FileLock(file, kind, g_patienceMs.load()) {}

FileLock::FileLock(QFile &file, Kind kind, int patienceMs) : m_file(file) {
    if (!file.isOpen() || file.handle() < 0)
        return;
    const QDeadlineTimer deadline(patienceMs);
    int pause = 1;
    while (!(m_locked = tryLock(file, kind)) && !deadline.hasExpired()) {
        QThread::msleep(pause);
        pause = std::min(pause * 2, 50);
    }
}

FileLock::~FileLock() { release(); }

void FileLock::release() {
    if (!m_locked)
        return;
    if (m_file.isOpen())
        unlock(m_file);
    m_locked = false;
}

int FileLock::setPatienceMs(int ms) { return g_patienceMs.exchange(ms); }

int FileLock::patienceMs() { return g_patienceMs.load(); }
