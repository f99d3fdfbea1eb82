// Record decoding for the six archives: any bytes a copied-in file may hold.
// The first byte chooses the layout; the rest is the record (short inputs are
// padded with zero bytes, long ones cut), as a scan or a card would read it.
#include "FuzzCheck.h"
#include "core/records/Archives.h"
#include "core/records/RecordLayout.h"
#include "core/records/ResultLine.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const RecordLayout *layouts[] = {&Archives::clients(), &Archives::services(),     &Archives::employees(),
                                     &Archives::works(),   &Archives::appointments(), &Archives::contracts()};
    const RecordLayout &layout = *layouts[data[0] % 6];
    Record record(layout);
    QByteArray &bytes = record.bytes();
    bytes.fill('\0', layout.size());
    std::memcpy(bytes.data(), data + 1, std::min<size_t>(size - 1, size_t(layout.size())));

    Record again(layout);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QString text = record.get(f);
        // The two decoders agree, the text fits its field and is trimmed.
        FUZZ_CHECK(text == decodeField(layout, bytes.constData(), f));
        FUZZ_CHECK(text.size() <= layout.field(f).width);
        FUZZ_CHECK(text == Text::trim(text));
        // What was read is stored and read back unchanged (a card saving a
        // record it loaded changes nothing the user sees).
        again.set(f, text);
        FUZZ_CHECK(again.get(f) == text);
    }
    FUZZ_CHECK(again.bytes().size() == layout.size());

    // A list line made of every field (cut and padded, whole, and a part)
    // stays inside the room taken for the longest line and reads as the
    // fields' texts.
    LineFormat line(layout);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const char *name = layout.field(f).name;
        line.text(QStringLiteral("\u20ac")).field(name, f % 3 == 0 ? 5 : -1).part(name, f % 4, f % 2 ? 3 : -1);
    }
    QByteArray made("x");
    line.appendBytes(bytes.constData(), made);
    FUZZ_CHECK(made.size() - 1 <= line.maxLength());
    const QString shown = line.build(bytes.constData());
    for (int f = 0; f < layout.fieldCount(); ++f) {
        FUZZ_CHECK(Text::fromCp1252(fieldBytes(layout, bytes.constData(), f).toByteArray()) == record.get(f));
        if (f % 3 != 0)
            FUZZ_CHECK(shown.contains(record.get(f)));
    }
    return 0;
}
