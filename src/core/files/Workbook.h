#pragma once
// The spreadsheet export: an HTML table with the spreadsheet namespaces and
// worksheet options, Windows-1252, all on one line, saved as ".xls".
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct WorkbookColumn {
    QString header;
    int width;
};

namespace Workbook {

// The cells of data row `row`, in column order, as Windows-1252 bytes (views
// valid during the call): a grid hands over what it keeps, nothing is decoded.
using RowSource = std::function<void(qsizetype row, QList<QByteArrayView> &cells)>;

// The whole document. Cell values are trimmed; in them and in the headers
// "&", "<" and ">" are escaped so a note holding them cannot break the table.
QByteArray document(const QString &sheetName, const QList<WorkbookColumn> &columns,
                    const QList<QStringList> &rows);
// Writes the document over path in one pass; false when it cannot be written.
bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           const QList<QStringList> &rows);
// The same, taking rowCount rows one at a time from rowAt and streaming them
// to the file, so a large grid is never held twice in memory.
bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           qsizetype rowCount, const RowSource &rowAt);

} // namespace Workbook
