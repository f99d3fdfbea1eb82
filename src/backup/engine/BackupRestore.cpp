#include "backup/engine/BackupRestore.h"

#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupSelection.h"
#include "backup/engine/JournalHold.h"
#include "backup/engine/RestoreSwitch.h"
#include "core/files/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using Backup::Failure;

namespace {

// The folders the copy's files were read into, deepest first: synced so that
// the files are on the disk under their names before the first move.
bool syncFolders(const QString &root, const BackupManifest &manifest) {
    QSet<QString> folders{root};
    for (const BackupEntry &e : manifest.entries)
        for (QString f = QFileInfo(QDir(root).filePath(e.path)).absolutePath(); f.size() > root.size();
             f = QFileInfo(f).absolutePath())
            folders.insert(f);
    QStringList ordered(folders.begin(), folders.end());
    std::sort(ordered.begin(), ordered.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return std::all_of(ordered.begin(), ordered.end(),
                       [](const QString &f) { return FileReplace::syncFolder(f); });
}

} // namespace

namespace BackupRestore {

QString workFolderName() { return RestoreSwitch::workFolderName(); }

QString asideFolderName(const QDateTime &moment) {
    return QStringLiteral("Accantonati_") + moment.toString(QStringLiteral("yyyy-MM-dd_HH-mm"));
}

Result run(const QString &programFolder, const QString &zipPath, const BackupManifest &manifest,
           const QDateTime &moment, const Backup::Progress &progress, const QString &before) {
    Result r;
    const auto fail = [&r](Failure f, const QString &subject) {
        r.outcome = {f, subject};
        return r;
    };
    const QDir root(programFolder);
    JournalHold journal(programFolder);
    switch (journal.takeExisting()) {
    case JournalHold::Existing::None:
        break;
    case JournalHold::Existing::Held:
        return fail(Failure::RestoreElsewhere, {});
    case JournalHold::Existing::Left:
        return fail(Failure::RestorePending, {});
    }
    // A work folder with no journal is what an older version left: only a copy of a copy.
    QDir work(root.filePath(workFolderName()));
    if (work.exists() && !work.removeRecursively())
        return fail(Failure::FolderNotWritable, root.path());

    RestoreJournal plan;
    plan.copy = zipPath;
    plan.before = before;
    plan.asideFolder = asideFolderName(moment);
    for (int n = 2; root.exists(plan.asideFolder); ++n)
        plan.asideFolder = asideFolderName(moment) + QStringLiteral("_%1").arg(n);
    for (const BackupEntry &e : manifest.entries)
        plan.restored.append({e.path, e.size, e.crc, QFileInfo::exists(root.filePath(e.path))});
    for (const BackupSelection::DataFile &f : BackupSelection::list(programFolder))
        if (!manifest.find(f.path))
            plan.setAside.append(f.path);

    if (!journal.write(plan))
        return fail(Failure::FolderNotWritable, root.path());
    const QString fresh = work.filePath(RestoreSwitch::copyFolderName());
    if (!root.mkpath(QDir(workFolderName()).filePath(RestoreSwitch::copyFolderName()))) {
        journal.remove();
        return fail(Failure::FolderNotWritable, root.path());
    }
    r.outcome = BackupArchive::read(zipPath, manifest, fresh, progress);
    if (r.outcome.ok() && !syncFolders(fresh, manifest))
        r.outcome = {Failure::DiskFull, root.path()};
    if (!r.outcome.ok()) {
        RestoreSwitch::removeWorkFolder(programFolder);
        journal.remove();
        return r;
    }

    plan.stage = RestoreJournal::Stage::Replacing;
    if (!journal.write(plan)) {
        RestoreSwitch::removeWorkFolder(programFolder);
        journal.remove();
        return fail(Failure::FolderNotWritable, root.path());
    }
    const RestoreSwitch::Outcome moved = RestoreSwitch::forward(programFolder, plan);
    if (!moved.ok) {
        r.outcome = {Failure::ReplaceFailed, moved.subject};
        if (RestoreSwitch::backward(programFolder, plan).ok) {
            r.undone = true;
            RestoreSwitch::removeWorkFolder(programFolder);
            RestoreSwitch::removeEmptyAsideFolder(programFolder, plan);
            journal.remove();
        } else {
            r.pending = true; // the journal stays for the next start
        }
        return r;
    }
    RestoreSwitch::removeWorkFolder(programFolder);
    journal.remove();
    r.replaced = int(plan.restored.size());
    r.setAside = int(plan.setAside.size());
    if (r.setAside > 0)
        r.asideFolder = plan.asideFolder;
    return r;
}

} // namespace BackupRestore
