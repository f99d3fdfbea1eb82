#pragma once
// The program folder: where the executable lives and where every archive,
// settings file, export and document of the program is read and written.
#include <QString>

namespace ProgramFolder {

// The folder path with a trailing "/".
QString path();
// path() + name: file names are appended to the folder directly.
QString file(const QString &name);
// Points the program at another folder (tests use a temporary one).
void setPath(const QString &folder);

} // namespace ProgramFolder
