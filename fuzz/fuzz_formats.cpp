// Dates and amounts as typed or as stored in a record (any Windows-1252 text):
// parsing never misbehaves, and what it accepts it writes back the same way.
#include "FuzzCheck.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"
#include "core/text/Amounts.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = Text::fromCp1252(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    const QDate date = Formats::parseDate(text);
    if (date.isValid()) {
        const QString shown = Formats::dateText(date);
        FUZZ_CHECK(shown.size() == 10);
        FUZZ_CHECK(Formats::parseDate(shown) == date);
    }

    bool ok = false;
    const double value = Formats::parseDecimal(text, &ok);
    if (ok)
        FUZZ_CHECK(value == value); // never NaN

    // Typed amounts may hold any character the keyboard gives (UTF-8 here).
    static const QRegularExpression amount(QStringLiteral("^-?[0-9]+,[0-9]{2,}$"));
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {text, typed})
        for (int decimals : {2, 4}) {
            const QString normalised = Amounts::normalise(text, decimals);
            FUZZ_CHECK(amount.match(normalised).hasMatch());
            FUZZ_CHECK(normalised.section(QLatin1Char(','), 1).size() <= decimals);
            // Leaving the field again changes nothing.
            FUZZ_CHECK(Amounts::normalise(normalised, decimals) == normalised);
        }
    return 0;
}
