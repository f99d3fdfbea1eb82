#pragma once
// At start-up, before anyone logs in: a restore cut short (the program killed,
// a power cut, a move that failed and could not be undone) is finished from
// the copy's verified files waiting in the work folder, or, when that cannot
// be done, every file is put back as it was; a restore cut while it was still
// reading the copy had changed nothing, and its work folder goes.
#include <QString>

namespace RestoreRecovery {

struct Result {
    enum class Kind {
        Nothing,    // no restore was cut short
        Unchanged,  // cut while reading the copy: the data are as they were
        Finished,   // the restore was completed
        Undone,     // the data are as they were before the restore
        Stuck,      // neither could be done: the journal stays for the next start
        Unreadable, // a journal that cannot be read whole (or names a file outside the data): left alone
        Elsewhere   // another station is restoring right now
    };
    Kind kind = Kind::Nothing;
    QString copy;        // the copy that was being restored
    QString before;      // the copy of the data made just before the restore
    QString subject;     // Undone, Stuck: the file that could not be moved
    QString asideFolder; // Finished: where the files the copy lacks went (when any)
};

Result finish(const QString &programFolder);

} // namespace RestoreRecovery
