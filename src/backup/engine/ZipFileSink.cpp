#include "backup/engine/ZipFileSink.h"

#include <cerrno>

namespace {

struct Sink {
    QFile *file;
    zip_error_t error;

    zip_int64_t failed(int zipCode, bool noRoom = false) {
        // A full disk is told by the system's own code, as a file of libzip's would be.
        zip_error_set(&error, zipCode, noRoom || file->error() == QFileDevice::ResourceError ? ENOSPC : EIO);
        return -1;
    }
    zip_int64_t seekTo(qint64 offset) { return file->seek(offset) ? 0 : failed(ZIP_ER_SEEK); }
};

zip_int64_t callback(void *state, void *data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto *s = static_cast<Sink *>(state);
    QFile &f = *s->file;
    switch (cmd) {
    case ZIP_SOURCE_STAT:
        // A new archive: libzip takes a missing file for one to be created.
        zip_error_set(&s->error, ZIP_ER_READ, ENOENT);
        return -1;
    case ZIP_SOURCE_OPEN:
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_COMMIT_WRITE:
        return f.flush() ? 0 : s->failed(ZIP_ER_WRITE);
    case ZIP_SOURCE_READ: {
        const qint64 n = f.read(static_cast<char *>(data), qint64(len));
        return n < 0 ? s->failed(ZIP_ER_READ) : n;
    }
    case ZIP_SOURCE_SEEK:
    case ZIP_SOURCE_SEEK_WRITE: {
        const zip_int64_t at = zip_source_seek_compute_offset(zip_uint64_t(f.pos()), zip_uint64_t(f.size()),
                                                              data, len, &s->error);
        return at < 0 ? -1 : s->seekTo(at);
    }
    case ZIP_SOURCE_TELL:
    case ZIP_SOURCE_TELL_WRITE:
        return f.pos();
    case ZIP_SOURCE_BEGIN_WRITE:
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE:
        return f.resize(0) && f.seek(0) ? 0 : s->failed(ZIP_ER_WRITE);
    case ZIP_SOURCE_WRITE: {
        const qint64 n = f.write(static_cast<const char *>(data), qint64(len));
        // Fewer bytes taken with no error: the disk is full.
        return n == qint64(len) ? n : s->failed(ZIP_ER_WRITE, n >= 0);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, len);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&s->error);
        delete s;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_WRITABLE;
    default:
        zip_error_set(&s->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

} // namespace

namespace ZipFileSink {

zip_source_t *create(QFile &file, zip_error_t *error) {
    auto *s = new Sink{&file, {}};
    zip_error_init(&s->error);
    zip_source_t *src = zip_source_function_create(callback, s, error);
    if (!src) {
        zip_error_fini(&s->error);
        delete s;
    }
    return src;
}

} // namespace ZipFileSink
