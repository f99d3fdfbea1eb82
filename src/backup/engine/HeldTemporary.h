#pragma once
// A file written whole under the program's temporary name
// (core/files/ProgramTemporary: "<final>.~tersalia~XXXXXX") and held under
// its lock while written, then flushed, synced, renamed over the final name
// and its folder synced, in that order: the final name is never seen half
// written, and a crash leaves only the marked temporary, which the start-up
// clean-up removes once nobody holds it.
//
// Unlike core/files/WholeFileWriter, the file is open for reading and writing
// and can be sought (libzip writes a copy's headers again once their data is
// known, and reads the archive back), and it can stay open and locked under
// its final name after the rename (the journal of a restore, held for as long
// as the restore runs). Every step goes through core/files/FileReplace.
#include "core/files/FileLock.h"

#include <QFile>
#include <QString>

#include <memory>

class HeldTemporary {
public:
    explicit HeldTemporary(QString finalPath);
    ~HeldTemporary(); // a temporary never put in place is removed
    HeldTemporary(const HeldTemporary &) = delete;
    HeldTemporary &operator=(const HeldTemporary &) = delete;

    // Creates the temporary and locks it; false when the folder refuses it.
    bool open();
    QFile &file() { return m_file; }
    QString path() const { return m_temporary; } // the temporary's name
    QString finalPath() const { return m_final; }
    // Another final name (the one chosen was taken meanwhile).
    void setFinalPath(const QString &path) { m_final = path; }

    // Flushes, syncs, renames over the final name and syncs the folder. The file
    // stays open and locked under its final name until release(); false when a
    // step failed.
    bool commit();
    // Lets go of the file (closed, unlocked); a temporary never put in place is removed.
    void release();

private:
    QString m_final;
    QString m_temporary;
    QFile m_file;
    std::unique_ptr<FileLock> m_lock;
    bool m_committed = false;
};
