#include "backup/engine/RestoreRecovery.h"

#include "backup/engine/JournalHold.h"
#include "backup/engine/RestoreSwitch.h"

#include <QDir>
#include <QFileInfo>

namespace RestoreRecovery {

Result finish(const QString &programFolder) {
    Result r;
    JournalHold hold(programFolder);
    switch (hold.takeExisting()) {
    case JournalHold::Existing::None:
        return r;
    case JournalHold::Existing::Held:
        r.kind = Result::Kind::Elsewhere;
        return r;
    case JournalHold::Existing::Left:
        break;
    }
    const std::optional<RestoreJournal> journal = hold.read();
    if (!journal || !RestoreSwitch::isSafe(*journal)) {
        // Never acted on: the files stay where they are, and so does the journal.
        r.kind = Result::Kind::Unreadable;
        r.subject = RestoreJournal::fileName();
        return r;
    }
    r.copy = journal->copy;
    r.before = journal->before;
    if (journal->stage == RestoreJournal::Stage::Reading) {
        RestoreSwitch::removeWorkFolder(programFolder);
        hold.remove();
        r.kind = Result::Kind::Unchanged;
        return r;
    }
    const RestoreSwitch::Outcome forward = RestoreSwitch::forward(programFolder, *journal);
    if (forward.ok) {
        r.kind = Result::Kind::Finished;
        if (QFileInfo(QDir(programFolder).filePath(journal->asideFolder)).isDir())
            r.asideFolder = journal->asideFolder;
    } else if (RestoreSwitch::backward(programFolder, *journal).ok) {
        r.kind = Result::Kind::Undone;
        r.subject = forward.subject;
        RestoreSwitch::removeEmptyAsideFolder(programFolder, *journal);
    } else {
        r.kind = Result::Kind::Stuck;
        r.subject = forward.subject;
        return r;
    }
    RestoreSwitch::removeWorkFolder(programFolder);
    hold.remove();
    return r;
}

} // namespace RestoreRecovery
