#include "backup/engine/HeldTemporary.h"

#include "core/files/FileReplace.h"
#include "core/files/PlatformFiles.h"
#include "core/files/ProgramTemporary.h"

#include <QFileInfo>

HeldTemporary::HeldTemporary(QString finalPath) : m_final(std::move(finalPath)) {}

HeldTemporary::~HeldTemporary() { release(); }

bool HeldTemporary::open() {
    // A random name already taken, or one a clean-up removed between its
    // making and its lock: another name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        m_temporary = ProgramTemporary::pathFor(m_final);
        m_file.setFileName(m_temporary);
        // Unbuffered: a full disk fails the very write that meets it.
        if (!PlatformFiles::open(m_file, QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (QFileInfo::exists(m_temporary))
                continue;
            break;
        }
        m_lock = std::make_unique<FileLock>(m_file);
        if (m_lock->isLocked() && PlatformFiles::namesFile(m_file, m_temporary))
            return true;
        if (m_lock->isLocked())
            QFile::remove(m_temporary);
        m_lock.reset();
        m_file.close();
    }
    m_temporary.clear();
    return false;
}

bool HeldTemporary::commit() {
    if (!m_file.isOpen() || !m_file.flush() || m_file.error() != QFileDevice::NoError ||
        !FileReplace::syncToDisk(m_temporary) || !FileReplace::replace(m_temporary, m_final))
        return false;
    m_committed = true; // the open file now bears the final name
    return FileReplace::syncFolder(QFileInfo(m_final).absolutePath());
}

void HeldTemporary::release() {
    if (!m_file.isOpen())
        return;
    // Removed while still held, so no clean-up takes it for a leftover of its own.
    if (!m_committed)
        QFile::remove(m_temporary);
    m_lock.reset();
    m_file.close();
}
