#include "backup/engine/RestoreSwitch.h"

#include "backup/engine/BackupSelection.h"
#include "core/files/FileReplace.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <zlib.h>

namespace RestoreSwitch {
namespace {

struct Places {
    QDir root;
    QString work() const { return root.filePath(workFolderName()); }
    QString target(const QString &p) const { return root.filePath(p); }
    QString fresh(const QString &p) const {
        return work() + QLatin1Char('/') + copyFolderName() + QLatin1Char('/') + p;
    }
    QString previous(const QString &p) const {
        return work() + QLatin1Char('/') + previousFolderName() + QLatin1Char('/') + p;
    }
};

bool exists(const QString &path) { return QFileInfo::exists(path); }

// The file in place is the copy's own: its size and CRC-32 (read whole).
bool isTheCopys(const QString &path, const RestoreJournal::Restored &r) {
    QFile f(path);
    if (QFileInfo(path).size() != r.size || !f.open(QIODevice::ReadOnly))
        return false;
    uLong crc = crc32(0, nullptr, 0);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 n; (n = f.read(block.data(), block.size())) > 0;)
        crc = crc32(crc, reinterpret_cast<const Bytef *>(block.constData()), uInt(n));
    return !f.error() && quint32(crc) == r.crc;
}
QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

// One move, its destination folder made first, then both folders synced so the
// move is on the disk before the next one.
bool move(const QString &from, const QString &to) {
    return QDir().mkpath(folderOf(to)) && FileReplace::replace(from, to) &&
           FileReplace::syncFolder(folderOf(to)) &&
           (folderOf(from) == folderOf(to) || FileReplace::syncFolder(folderOf(from)));
}

} // namespace

QString workFolderName() { return QStringLiteral("Ripristino_in_corso"); }
QString copyFolderName() { return QStringLiteral("Copia"); }
QString previousFolderName() { return QStringLiteral("Precedenti"); }

bool isSafe(const RestoreJournal &journal) {
    static const QRegularExpression aside(
        QStringLiteral("^Accantonati_[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}(_[0-9]+)?$"));
    if (!aside.match(journal.asideFolder).hasMatch())
        return false;
    const auto safe = [](const QString &p) {
        return BackupSelection::isSafeRelativePath(p) && BackupSelection::isDataFile(p);
    };
    return std::all_of(journal.restored.begin(), journal.restored.end(),
                       [&safe](const RestoreJournal::Restored &r) { return safe(r.path); }) &&
           std::all_of(journal.setAside.begin(), journal.setAside.end(), safe);
}

namespace {
// The outcome so far, stopped at the file p that could not be moved.
Outcome failedAt(Outcome o, const QString &p) {
    o.ok = false;
    o.subject = p;
    return o;
}
} // namespace

Outcome forward(const QString &programFolder, const RestoreJournal &journal) {
    const Places at{QDir(programFolder)};
    Outcome o;
    for (const RestoreJournal::Restored &r : journal.restored) {
        const QString &p = r.path;
        const QString target = at.target(p), fresh = at.fresh(p), previous = at.previous(p);
        if (!exists(fresh)) {
            // Put in place by an earlier run: the copy's very file must be there.
            if (!isTheCopys(target, r))
                return failedAt(o, p);
            continue;
        }
        if (exists(target)) {
            // A folder where the file belongs is nobody's file to move.
            if (QFileInfo(target).isDir() || exists(previous) || !move(target, previous))
                return failedAt(o, p);
            ++o.moved;
        }
        if (!move(fresh, target))
            return failedAt(o, p);
        ++o.moved;
    }
    for (const QString &p : journal.setAside) {
        const QString place = at.target(p), aside = at.target(journal.asideFolder + QLatin1Char('/') + p);
        if (exists(aside) || !exists(place))
            continue;
        if (!move(place, aside))
            return failedAt(o, p);
        ++o.moved;
    }
    return o;
}

Outcome backward(const QString &programFolder, const RestoreJournal &journal) {
    const Places at{QDir(programFolder)};
    Outcome o;
    for (const QString &p : journal.setAside) {
        const QString place = at.target(p), aside = at.target(journal.asideFolder + QLatin1Char('/') + p);
        if (!exists(aside) || exists(place))
            continue;
        if (!move(aside, place))
            return failedAt(o, p);
        ++o.moved;
    }
    for (auto it = journal.restored.crbegin(); it != journal.restored.crend(); ++it) {
        const QString &p = it->path;
        const QString target = at.target(p), fresh = at.fresh(p), previous = at.previous(p);
        // The copy's file is in place only where the current one was moved
        // away first, or where the folder had none: a file never touched stays.
        const bool moved = it->replaces ? exists(previous) : !exists(fresh);
        if (moved && exists(target) && !exists(fresh)) {
            if (!move(target, fresh))
                return failedAt(o, p);
            ++o.moved;
        }
        if (exists(previous) && !exists(target)) {
            if (!move(previous, target))
                return failedAt(o, p);
            ++o.moved;
        }
    }
    return o;
}

bool removeWorkFolder(const QString &programFolder) {
    QDir work(QDir(programFolder).filePath(workFolderName()));
    if (!work.exists())
        return true;
    const bool removed = work.removeRecursively();
    return FileReplace::syncFolder(programFolder) && removed;
}

void removeEmptyAsideFolder(const QString &programFolder, const RestoreJournal &journal) {
    const QString aside = QDir(programFolder).filePath(journal.asideFolder);
    if (!QFileInfo(aside).isDir())
        return;
    QDirIterator files(aside, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    if (!files.hasNext())
        QDir(aside).removeRecursively();
}

} // namespace RestoreSwitch
