#pragma once
// An operating-system lock on an open file, honoured by other processes and by
// other stations over a network share (fcntl record locks on Linux and Unix,
// LockFileEx on Windows). Writers hold it exclusively only around the moment
// they count and write; readers of settings hold it shared while they read.
//
// The lock covers one byte far beyond any real data, so it never stands in the
// way of a plain read of the records (Windows locks are mandatory: a lock on
// the records themselves would make every other station's list fail).
#include <QFile>

class FileLock {
public:
    enum class Kind { Exclusive, Shared };

    // Tries to lock file (open for reading, and for writing when exclusive)
    // until it is had or the patience runs out; isLocked() tells which.
    explicit FileLock(QFile &file, Kind kind = Kind::Exclusive);
    // The same with a patience of its own (0: one attempt, for a lock that
    // tells whether anybody holds the file at all).
    FileLock(QFile &file, Kind kind, int patienceMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool isLocked() const { return m_locked; }
    void release();

    // How long a lock held by another station is waited for before the action
    // gives up (a few seconds; tests shorten it). Returns the previous value.
    static int setPatienceMs(int ms);
    static int patienceMs();

private:
    QFile &m_file;
    bool m_locked = false;
};
