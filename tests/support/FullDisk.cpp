#include "FullDisk.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>

FullDisk::FullDisk(QString path) : m_path(std::move(path)) {
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                   QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_path}) == 0;
}

FullDisk::~FullDisk() {
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_path});
}

bool FullDisk::fill() const {
    QFile file(filler());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(512, 'x');
    for (int i = 0; i < 1024; ++i)
        if (file.write(block) != block.size() || !file.flush())
            return true;
    return false;
}

bool FullDisk::leaveRoom(qint64 bytes) const {
    QFile file(filler());
    return file.size() > bytes && file.resize(file.size() - bytes);
}
