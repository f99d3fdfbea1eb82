// The list of a backup copy ("Tersalia_Copia.txt") as any bytes, as a copy
// chosen for a restore may hold them: reading it never fails, and a list that
// reads writes back into one that reads the same.
#include "FuzzCheck.h"
#include "backup/engine/BackupManifest.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<BackupManifest> m = BackupManifest::parse(bytes);
    if (!m)
        return 0;
    FUZZ_CHECK(m->made.isValid());
    for (const BackupEntry &e : m->entries)
        FUZZ_CHECK(!e.path.isEmpty() && e.size >= 0);
    const std::optional<BackupManifest> again = BackupManifest::parse(m->toBytes());
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->made == m->made && again->version == m->version && again->entries == m->entries);
    return 0;
}
