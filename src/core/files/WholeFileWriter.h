#pragma once
// Every file the program writes whole — an export, a PDF or RTF document, a
// picture, a settings file, the copy of an attachment — is written through
// this, so a failed or interrupted write never leaves a file cut short:
//
//   1. the bytes go into a temporary beside the target, named by
//      core/files/ProgramTemporary and created anew (never an existing file),
//      with the permissions of every other file the program makes;
//   2. while it is written the temporary is held under its FileLock, so the
//      start-up clean-up of another desk knows it is a write in progress;
//   3. commit(): flushed, checked, forced to the disk, renamed over the target
//      in one step (core/files/FileReplace), the folder forced to the disk,
//      and only then let go.
//
// Any failure removes the temporary and leaves the target as it was; a crash
// leaves the target old or new, and the temporary for the next start-up.
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

class FileLock;
class QIODevice;

class WholeFileWriter {
public:
    explicit WholeFileWriter(QString target);
    // A temporary never committed is removed; the target stays as it was.
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter &) = delete;
    WholeFileWriter &operator=(const WholeFileWriter &) = delete;

    // Makes and locks the temporary; false when the folder refuses it.
    bool open();
    // The temporary as a device, for writers that take one (QImageWriter):
    // every write goes through write(), so a failure there fails commit().
    QIODevice &device();
    // Appends bytes to the temporary; false unless all were written (and then
    // no commit succeeds).
    bool write(QByteArrayView bytes);

    // Puts the written file in place of the target (replacing it). False on
    // any failure: the temporary is gone and the target as it was.
    bool commit();
    enum class Placing { Placed, TargetExists, Failed };
    // Puts it in place only when no file has the target's name (a file put
    // there meanwhile by another desk is never replaced): on TargetExists the
    // temporary stays ready for commit() or cancel().
    Placing commitAsNew();
    // Gives up: the temporary is removed, the target untouched.
    void cancel();

    const QString &target() const { return m_target; }
    // The temporary's path once open() has made it.
    const QString &temporaryPath() const { return m_temporary; }

    // open(), write(bytes), commit() in one.
    static bool writeWhole(const QString &target, QByteArrayView bytes);

private:
    // Flushed, checked and on the disk (once); false on any failure.
    bool finishWriting();
    // After the rename: the folder to the disk, the lock let go.
    void placed();
    void close();

    QString m_target;
    QString m_temporary;
    QFile m_file;
    std::unique_ptr<FileLock> m_lock;
    std::unique_ptr<QIODevice> m_device;
    bool m_finished = false;
    bool m_failed = false;
};
