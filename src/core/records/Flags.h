#pragma once
// The yes/no flags of the records: the appointment's "Ottemperata" (fulfilled)
// and the client's "Ricontatta" (to recontact), short fields of width 2 that
// the cards write as "Sì" or "No". Every reader of a flag reads it here, so the
// status summaries, the planner, the year's overview, the agenda and the
// recontact list agree on a damaged one.
#include <QByteArrayView>
#include <QString>

namespace Flags {

enum class YesNo { Neither, Yes, No };

// Exactly as the cards load a flag: the trimmed text "Sì" (Windows-1252 bytes
// S EC) is Yes, "No" is No, and anything else is Neither: empty, another case
// ("sì", "SI", "NO"), the UTF-8 bytes of "Sì" (cut to the width they are "S"
// and a lead byte), any other text. Trailing blanks do not count.
YesNo read(QByteArrayView trimmed); // a field's trimmed bytes (fieldBytes)
YesNo read(const QString &text);    // a decoded value, trimmed here

} // namespace Flags
