#pragma once
// Text as the e-invoice schema accepts it: only Basic Latin and Latin-1
// characters, within each element's length. What Windows-1252 adds to Latin-1
// becomes its plain form ("€" -> "EUR", curly quotes and dashes -> straight
// ones), any other character its closest Latin-1 one or "?", a control
// character a blank; the text is trimmed and then cut to its length.
#include <QString>

namespace LatinText {

QString of(const QString &text, int maxLength);
// Basic Latin only (the schema's numbers and short codes): accented letters
// lose their accent, anything else becomes "?".
QString basic(const QString &text, int maxLength);

} // namespace LatinText
