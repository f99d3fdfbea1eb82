// Settings files (Contratti.ini, Liberatoria_Privacy.ini, the password store)
// as any bytes: reading keys never fails, a key written into such a file
// reads back as written, and every other key keeps its value.
#include "FuzzCheck.h"
#include "core/settings/IniFile.h"
#include "core/text/TextRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Contratti.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    IniFile ini(path);
    // Keys the program reads, and the first section and key of the input itself.
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString inputSection =
        text.section(QLatin1Char('['), 1, 1).section(QLatin1Char(']'), 0, 0).left(80);
    const QString inputKey = text.section(QLatin1Char('\n'), 1, 1).section(QLatin1Char('='), 0, 0).left(80);
    for (const QString &section : {QStringLiteral("Ditta Pulizie"), QStringLiteral("Accesso"), inputSection})
        for (const QString &key : {QStringLiteral("Partita Iva"), QStringLiteral("Valore"), inputKey}) {
            const QString value = ini.read(section, key);
            // A value is read whole, never longer than the file.
            FUZZ_CHECK(value.size() <= qsizetype(size));
        }
    const QString inputValue = ini.read(inputSection, inputKey);

    // A key written into any file is written and reads back exactly; the
    // input's own key (another one) is left as it was.
    const QString section = QStringLiteral("Ditta Pulizie"), key = QStringLiteral("Denominazione");
    const QString value = QStringLiteral("Pulizie Città; s.r.l. # \"1\" = [2]");
    FUZZ_CHECK(ini.writeChecked(section, key, value));
    FUZZ_CHECK(ini.read(section, key) == value);
    if (Text::compareNoCaseAZ(Text::trim(inputSection), section) != 0 ||
        Text::compareNoCaseAZ(Text::trim(inputKey), key) != 0)
        FUZZ_CHECK(ini.read(inputSection, inputKey) == inputValue);
    return 0;
}
