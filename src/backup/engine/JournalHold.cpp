#include "backup/engine/JournalHold.h"

#include "core/files/FileReplace.h"
#include "core/files/PlatformFiles.h"

#include <QDir>

JournalHold::JournalHold(QString programFolder) : m_folder(std::move(programFolder)) {}

JournalHold::~JournalHold() {
    if (m_current)
        m_current->release();
}

QString JournalHold::path() const { return QDir(m_folder).filePath(RestoreJournal::fileName()); }

JournalHold::Existing JournalHold::takeExisting() {
    auto file = std::make_unique<QFile>(path());
    if (!file->exists())
        return Existing::None;
    if (!PlatformFiles::open(*file, QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return Existing::Held;
    // One attempt: a restore running elsewhere holds it for minutes.
    auto lock = std::make_unique<FileLock>(*file, FileLock::Kind::Exclusive, 0);
    if (!lock->isLocked())
        return Existing::Held;
    m_taken = std::move(file);
    m_takenLock = std::move(lock);
    return Existing::Left;
}

std::optional<RestoreJournal> JournalHold::read() {
    if (!m_taken || !m_taken->seek(0))
        return std::nullopt;
    return RestoreJournal::parse(m_taken->readAll());
}

bool JournalHold::write(const RestoreJournal &journal) {
    auto next = std::make_unique<HeldTemporary>(path());
    const QByteArray bytes = journal.toBytes();
    if (!next->open() || next->file().write(bytes) != bytes.size() || !next->commit())
        return false;
    // The new journal is held before the older one is let go: never a moment unheld.
    if (m_current)
        m_current->release();
    m_takenLock.reset();
    m_taken.reset();
    m_current = std::move(next);
    return true;
}

bool JournalHold::remove() {
    if (m_current)
        m_current->release();
    m_current.reset();
    m_takenLock.reset();
    m_taken.reset();
    // Not synced: should a power cut bring it back, the next start finds every
    // file in place and tells that the restore was completed.
    return !QFile::exists(path()) || QFile::remove(path());
}
