#pragma once
// The two file-system steps that make a replacement safe, behind one small
// function each: a file's bytes forced to the disk, and a whole file put in
// place of another in one step (the old one stays until the new one is there).
#include <QString>

namespace FileReplace {

// Writes what the system still holds of path to the disk; false on failure.
bool syncToDisk(const QString &path);
// Renames from over to, replacing an existing to in one step; false on failure
// (to is then left as it was).
bool replace(const QString &from, const QString &to);

} // namespace FileReplace
