#pragma once
// The journal of a restore as the station running it holds it: each version
// written whole (a locked temporary, synced, renamed over the last), and the
// current one kept open and locked until the restore is over, so that another
// station knows a restore is running and leaves its files alone. A journal
// that nobody holds is what a restore cut short left.
#include "backup/engine/HeldTemporary.h"
#include "backup/engine/RestoreJournal.h"

#include <memory>
#include <optional>

class JournalHold {
public:
    explicit JournalHold(QString programFolder);
    ~JournalHold();
    JournalHold(const JournalHold &) = delete;
    JournalHold &operator=(const JournalHold &) = delete;

    enum class Existing {
        None, // no journal: no restore is running or was cut short
        Held, // another station is restoring right now
        Left  // a restore cut short: the journal is held here now
    };
    Existing takeExisting();
    // The journal taken (Left), read; nothing when it cannot be read whole.
    std::optional<RestoreJournal> read();

    bool write(const RestoreJournal &journal);
    // Closes and removes the journal.
    bool remove();

    QString path() const;

private:
    QString m_folder;
    std::unique_ptr<HeldTemporary> m_current; // written here
    std::unique_ptr<QFile> m_taken;           // found at start
    std::unique_ptr<FileLock> m_takenLock;
};
