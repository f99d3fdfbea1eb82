#pragma once
// A headerless file of fixed-size records. Every user action opens it,
// reads or writes, and closes it; nothing is held open between actions.
// Record number n (1-based, what the user sees) lies at position n - 1.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <functional>

class RecordFile {
public:
    RecordFile(QString path, int recordSize);
    ~RecordFile();

    // Opens for reading and writing, creating the file when it does not exist.
    // An existing file is never truncated; one that cannot be opened is a failure.
    bool open();
    // Opens an existing file for reading only (a read-only share or copy can
    // still be listed); a missing one is created as open() does, where the
    // folder allows it, and otherwise reads as empty.
    bool openForReading();
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    // Whole records only: a trailing partial record is not counted.
    qint64 count() const;
    qint64 position() const { return m_pos; }
    bool atEnd() const { return m_pos >= count(); }

    bool readAt(qint64 pos, QByteArray &record);
    bool readNext(QByteArray &record);
    // Reads up to maxRecords whole records from the current position into one
    // buffer (for scans); returns the number read, -1 on failure.
    qint64 readBlock(QByteArray &buffer, qint64 maxRecords);
    bool overwriteAt(qint64 pos, const QByteArray &record);
    // Writes at position count(); the new record's number is the old count + 1.
    bool append(const QByteArray &record);
    // The same, with a last word on the record: count, lastChanges(count,
    // record) and the write happen in one hold of the file's lock, so what is
    // chosen from the count (a number after the records stored) is still
    // true when the record lands.
    bool append(QByteArray &record, const std::function<void(qint64 count)> &lastChanges);
    // Many records at the end in one hold of the lock (a series of
    // appointments): all of them, or on any failure none, the file put back
    // as it was before the lock is let go. The first new record's number is
    // the old count + 1; position() is then the last one's.
    bool appendAll(const QList<QByteArray> &records);

    const QString &path() const { return m_path; }
    int recordSize() const { return m_size; }

private:
    // Writes whole records from position pos to the end, under the lock the
    // caller holds; a write that stops halfway is undone.
    bool writeAtEnd(qint64 pos, const QByteArray &records);

    QString m_path;
    bool m_missing = false; // opened for reading, not there and not creatable: no records
    int m_size;
    QFile m_file;
    qint64 m_pos = 0;
};
