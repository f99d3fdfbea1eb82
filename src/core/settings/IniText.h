#pragma once
// The text of a settings file read and changed as the Windows profile
// functions (GetPrivateProfileString / WritePrivateProfileString) do, on its
// bytes, whatever the platform:
// - a line whose first non-blank character is ";" is a comment; a line whose
//   first non-blank character is "[" and that holds a "]" starts a section,
//   named by what lies between them; any other line is a key: its name before
//   the first "=", its value everything after it (a line without "=" is a key
//   with no value);
// - names and values are trimmed; section and key names match ignoring the
//   case of a-z; of two sections or keys of one name the first counts;
// - a value enclosed in one pair of matching double or single quotes is read
//   without them; a value is written exactly as given, never quoted;
// - lines are of any length and end with LF or CR LF; a UTF-8 byte-order mark
//   at the start is no part of the first line.
// Changing a value leaves every other byte as it was: the key's own line is
// rewritten (keeping its line end), a new key goes after the last key of its
// section, a new section at the end; lines added end with CR LF.
#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace IniText {

// The value of key in section (trimmed, one pair of enclosing quotes
// removed); nothing when the section or the key is not there.
std::optional<QByteArray> value(QByteArrayView text, QByteArrayView section, QByteArrayView key);

// The text with key in section set to value (given trimmed, on one line).
QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value);

// What reading gives back for a value written as it is: one pair of
// enclosing quotes goes, as on Windows.
QByteArrayView unquoted(QByteArrayView value);

// True when the text starts with a UTF-8 byte-order mark (Notepad's "UTF-8
// with BOM"): its names and values are UTF-8, not Windows-1252.
bool hasUtf8Mark(QByteArrayView text);

} // namespace IniText
