// The journal of a restore ("Ripristino_in_corso.txt") as any bytes, as a
// shared folder may hold it after a crash or a hand's edit: reading it never
// fails, and a journal that reads writes back into one that reads the same.
#include "FuzzCheck.h"
#include "backup/engine/RestoreJournal.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<RestoreJournal> j = RestoreJournal::parse(bytes);
    if (!j)
        return 0;
    for (const RestoreJournal::Restored &r : j->restored)
        FUZZ_CHECK(!r.path.isEmpty() && r.size >= 0);
    for (const QString &p : j->setAside)
        FUZZ_CHECK(!p.isEmpty());
    const std::optional<RestoreJournal> again = RestoreJournal::parse(j->toBytes());
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->stage == j->stage && again->copy == j->copy && again->before == j->before &&
               again->asideFolder == j->asideFolder && again->restored == j->restored &&
               again->setAside == j->setAside);
    return 0;
}
