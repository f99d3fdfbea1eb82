#pragma once
// A full disk over a folder for the life of the object: a small memory file
// system mounted on it (root only), filled up once the caller has written
// what should stand there.
#include <QString>

class FullDisk {
public:
    explicit FullDisk(QString path);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;
    bool mounted() const { return m_mounted; }
    // Fills what is left; true once a write has found no room.
    bool fill() const;
    // After fill(): gives back about `bytes` of room (whole blocks), so a
    // write finds part of what it needs.
    bool leaveRoom(qint64 bytes) const;

private:
    QString filler() const { return m_path + QStringLiteral("/riempitivo.bin"); }
    QString m_path;
    bool m_mounted = false;
};
