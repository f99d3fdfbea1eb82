#include "core/records/RecordFile.h"

#include "core/files/FileLock.h"

#include <QFileInfo>

RecordFile::RecordFile(QString path, int recordSize)
    : m_path(std::move(path)), m_size(recordSize), m_file(m_path) {}

RecordFile::~RecordFile() { close(); }

bool RecordFile::open() {
    close();
    m_pos = 0;
    // ReadWrite creates a missing file and never truncates an existing one.
    // Unbuffered: what another station wrote is read afresh, and nothing of a
    // failed write is left in a buffer to reach the file later.
    return m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

bool RecordFile::openForReading() {
    m_missing = false;
    if (!QFileInfo::exists(m_path)) {
        if (open())
            return true;
        // A folder that exists but cannot take the file (a read-only share
        // before the first record) holds no records: it reads as empty. A
        // folder that is not there at all is a failure.
        m_missing = !QFileInfo::exists(m_path) && QFileInfo(QFileInfo(m_path).absolutePath()).isDir();
        return m_missing;
    }
    close();
    m_pos = 0;
    return m_file.open(QIODevice::ReadOnly);
}

void RecordFile::close() {
    if (m_file.isOpen())
        m_file.close();
}

qint64 RecordFile::count() const { return m_file.isOpen() ? m_file.size() / m_size : 0; }

bool RecordFile::readAt(qint64 pos, QByteArray &record) {
    if (!m_file.isOpen() || pos < 0 || pos >= count() || !m_file.seek(pos * m_size))
        return false;
    record.resize(m_size);
    if (m_file.read(record.data(), m_size) != m_size)
        return false;
    m_pos = pos + 1;
    return true;
}

bool RecordFile::readNext(QByteArray &record) { return readAt(m_pos, record); }

qint64 RecordFile::readBlock(QByteArray &buffer, qint64 maxRecords) {
    if (!m_file.isOpen())
        return m_missing ? 0 : -1;
    const qint64 n = std::min(maxRecords, count() - m_pos);
    if (n <= 0)
        return 0;
    if (!m_file.seek(m_pos * m_size))
        return -1;
    buffer.resize(n * m_size);
    if (m_file.read(buffer.data(), n * m_size) != n * m_size)
        return -1;
    m_pos += n;
    return n;
}

// Writes go under the file's lock, so that another station appending at the
// same moment waits instead of writing the same position; a lock that cannot
// be had in time fails the action like any other write failure.
bool RecordFile::overwriteAt(qint64 pos, const QByteArray &record) {
    if (!m_file.isOpen() || pos < 0 || record.size() != m_size)
        return false;
    FileLock lock(m_file);
    if (!lock.isLocked() || pos >= count() || !m_file.seek(pos * m_size))
        return false;
    if (m_file.write(record) != m_size || !m_file.flush())
        return false;
    m_pos = pos + 1;
    return true;
}

bool RecordFile::append(const QByteArray &record) {
    QByteArray copy = record;
    return append(copy, {});
}

bool RecordFile::append(QByteArray &record, const std::function<void(qint64 count)> &lastChanges) {
    if (!m_file.isOpen() || record.size() != m_size)
        return false;
    FileLock lock(m_file);
    if (!lock.isLocked())
        return false;
    // Counted under the lock: the end another station has just written is seen.
    const qint64 pos = count();
    if (lastChanges) {
        lastChanges(pos);
        if (record.size() != m_size)
            return false;
    }
    if (!writeAtEnd(pos, record))
        return false;
    m_pos = pos + 1;
    return true;
}

bool RecordFile::appendAll(const QList<QByteArray> &records) {
    if (!m_file.isOpen() || records.isEmpty())
        return false;
    QByteArray block;
    block.reserve(records.size() * qsizetype(m_size));
    for (const QByteArray &r : records) {
        if (r.size() != m_size)
            return false;
        block += r;
    }
    FileLock lock(m_file);
    if (!lock.isLocked())
        return false;
    const qint64 pos = count();
    if (!writeAtEnd(pos, block))
        return false;
    m_pos = pos + records.size();
    return true;
}

// A trailing partial record is written over. A disk that fills up halfway
// would leave some of the records behind, whole ones among them that every
// list would show: the file gets back its length and the partial record's
// bytes while the lock is still held, so no other station sees them.
bool RecordFile::writeAtEnd(qint64 pos, const QByteArray &records) {
    const qint64 at = pos * m_size;
    QByteArray partial;
    if (const qint64 size = m_file.size(); size > at) {
        if (!m_file.seek(at))
            return false;
        partial = m_file.read(size - at);
        if (partial.size() != size - at)
            return false;
    }
    if (m_file.seek(at) && m_file.write(records) == records.size() && m_file.flush())
        return true;
    m_file.resize(at);
    if (!partial.isEmpty() && m_file.seek(at))
        m_file.write(partial);
    return false;
}
