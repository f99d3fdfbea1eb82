#pragma once
// A libzip source that writes a new archive into a file the program already
// holds open (and locked), instead of libzip's own "<archive>.XXXXXX" that it
// renames when done: every byte of the copy goes into the program's marked
// temporary, which the program then syncs and renames itself.
#include <QFile>

#include <zip.h>

namespace ZipFileSink {

// The source over file (open for reading and writing, empty); nullptr on
// failure. zip_open_from_source takes it over.
zip_source_t *create(QFile &file, zip_error_t *error);

} // namespace ZipFileSink
