#pragma once
// A file name in the backup's own text files (the copy's list, the journal of
// a restore): Windows-1252, a character Windows-1252 cannot hold (or a control
// character) written as \uXXXX with exactly four hexadecimal digits, and "\"
// as "\\", so that any name the file system allows comes back as it was.
#include <QByteArray>
#include <QString>

#include <optional>

namespace EscapedText {

QByteArray escaped(const QString &text);
// Nothing for a text with a cut or malformed escape (fewer than four digits,
// a sign or a blank among them, a lone "\") or half of a surrogate pair.
std::optional<QString> unescaped(const QByteArray &bytes);

} // namespace EscapedText
