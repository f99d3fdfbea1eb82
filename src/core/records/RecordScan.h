#pragma once
// Reads a whole record file from the start in large blocks, handing each
// record's bytes and number to a visitor: the one scan behind every list.
#include "core/records/RecordLayout.h"

#include <functional>

namespace RecordScan {

// visit(record bytes, record number); returning false stops the scan early.
// False when the file cannot be opened or read (what was visited stays visited).
bool forEach(const QString &path, const RecordLayout &layout,
             const std::function<bool(const char *record, qint64 number)> &visit);

// Re-reads record number n (1-based) from the file into record. False when the
// file cannot be read or holds no such record.
bool readRecord(const QString &path, qint64 number, Record &record);

} // namespace RecordScan
