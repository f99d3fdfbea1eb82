#include "core/records/RecordScan.h"

#include "core/records/RecordFile.h"

namespace RecordScan {

bool forEach(const QString &path, const RecordLayout &layout,
             const std::function<bool(const char *, qint64)> &visit) {
    RecordFile file(path, layout.size());
    if (!file.openForReading())
        return false;
    // About 4 MB a read: few system calls, modest memory.
    const qint64 perBlock = std::max<qint64>(1, (4 << 20) / layout.size());
    QByteArray block;
    qint64 number = 0;
    for (;;) {
        const qint64 n = file.readBlock(block, perBlock);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        for (qint64 i = 0; i < n; ++i)
            if (!visit(block.constData() + i * layout.size(), ++number))
                return true;
    }
}

bool readRecord(const QString &path, qint64 number, Record &record) {
    RecordFile file(path, record.layout().size());
    QByteArray bytes;
    if (!file.openForReading() || !file.readAt(number - 1, bytes))
        return false;
    record.bytes() = bytes;
    return true;
}

} // namespace RecordScan
