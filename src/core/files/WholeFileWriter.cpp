#include "core/files/WholeFileWriter.h"

#include "core/files/FileLock.h"
#include "core/files/FileReplace.h"
#include "core/files/PlatformFiles.h"
#include "core/files/ProgramTemporary.h"

#include <QFileInfo>

namespace {

// The writer seen as a device: what is written goes through write().
class WriterDevice : public QIODevice {
public:
    explicit WriterDevice(WholeFileWriter &writer) : m_writer(writer) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override {
        return m_writer.write(QByteArrayView(data, length)) ? length : -1;
    }

private:
    WholeFileWriter &m_writer;
};

} // namespace

WholeFileWriter::WholeFileWriter(QString target) : m_target(std::move(target)) {}

QIODevice &WholeFileWriter::device() {
    if (!m_device)
        m_device = std::make_unique<WriterDevice>(*this);
    return *m_device;
}

WholeFileWriter::~WholeFileWriter() { cancel(); }

bool WholeFileWriter::open() {
    if (m_file.isOpen())
        return false;
    // A random name already taken, or a temporary a clean-up removed between
    // its making and its lock: another name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        m_temporary = ProgramTemporary::pathFor(m_target);
        m_file.setFileName(m_temporary);
        if (!PlatformFiles::open(m_file, QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(m_temporary))
                continue;
            m_temporary.clear();
            return false;
        }
        m_lock = std::make_unique<FileLock>(m_file);
        if (m_lock->isLocked() && PlatformFiles::namesFile(m_file, m_temporary)) {
            m_finished = m_failed = false;
            return true;
        }
        if (m_lock->isLocked())
            QFile::remove(m_temporary); // nobody else's: it is still ours to remove if there
        close();
    }
    m_temporary.clear();
    return false;
}

bool WholeFileWriter::write(QByteArrayView bytes) {
    // A short write (a disk filling up) sets no error on the file: it is
    // remembered here, so no commit can put a cut file in place.
    if (!m_file.isOpen() || m_finished || m_file.write(bytes.data(), bytes.size()) != bytes.size())
        m_failed = true;
    return !m_failed;
}

bool WholeFileWriter::finishWriting() {
    if (!m_file.isOpen())
        return false;
    if (m_finished)
        return true;
    // Every byte must have reached the file, and the disk, before the file
    // takes the target's place: an error left in a buffer would otherwise go
    // unnoticed and a cut file replace a whole one.
    m_finished = !m_failed && m_file.flush() && m_file.error() == QFileDevice::NoError &&
                 PlatformFiles::syncToDisk(m_file);
    return m_finished;
}

bool WholeFileWriter::commit() {
    if (!finishWriting() || !FileReplace::replace(m_temporary, m_target)) {
        cancel();
        return false;
    }
    placed();
    return true;
}

WholeFileWriter::Placing WholeFileWriter::commitAsNew() {
    if (!finishWriting()) {
        cancel();
        return Placing::Failed;
    }
    switch (PlatformFiles::renameWithoutReplacing(m_temporary, m_target)) {
    case PlatformFiles::Renamed::Done:
        placed();
        return Placing::Placed;
    case PlatformFiles::Renamed::TargetExists:
        return Placing::TargetExists;
    case PlatformFiles::Renamed::Failed:
        break;
    }
    cancel();
    return Placing::Failed;
}

void WholeFileWriter::cancel() {
    if (!m_file.isOpen())
        return;
    // Removed while still held, so no clean-up takes it for a leftover of its own.
    QFile::remove(m_temporary);
    close();
}

void WholeFileWriter::placed() {
    // The rename is done: a folder that cannot be forced to the disk (a share
    // that does not do it) changes nothing the user could act on.
    PlatformFiles::syncFolder(QFileInfo(m_target).absolutePath());
    close();
}

void WholeFileWriter::close() {
    m_lock.reset();
    m_file.close();
}

bool WholeFileWriter::writeWhole(const QString &target, QByteArrayView bytes) {
    WholeFileWriter writer(target);
    return writer.open() && writer.write(bytes) && writer.commit();
}
