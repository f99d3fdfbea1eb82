#pragma once
// The file-system steps that make a replacement safe, behind one small
// function each: a file's bytes forced to the disk, a whole file put in place
// of another in one step (the old one stays until the new one is there), and
// a folder's entries forced to the disk, so that a rename survives a power cut.
//
// Every step goes through one replaceable set of steps, so a test can record
// their order or make the Nth one fail (or end the process there, as a crash).
#include <QString>

namespace FileReplace {

// Writes what the system still holds of path to the disk; false on failure.
bool syncToDisk(const QString &path);
// Renames from over to, replacing an existing to in one step; false on failure
// (to is then left as it was). Also moves a file into another folder of the
// same disk.
bool replace(const QString &from, const QString &to);
// Writes a folder's entries (the names a rename changed) to the disk; false on
// failure. On Windows a rename is written through already (MOVEFILE_WRITE_THROUGH).
bool syncFolder(const QString &folder);

// The three steps as the program takes them; a test puts its own in place.
class Steps {
public:
    virtual ~Steps() = default;
    virtual bool syncToDisk(const QString &path);
    virtual bool replace(const QString &from, const QString &to);
    virtual bool syncFolder(const QString &folder);
};
// Replaces the steps (nullptr puts the real ones back).
void setSteps(Steps *steps);

} // namespace FileReplace
