#pragma once
// The spreadsheet export: an HTML table with the spreadsheet namespaces and
// worksheet options, Windows-1252, all on one line, saved as ".xls".
#include <QList>
#include <QString>
#include <QStringList>

struct WorkbookColumn {
    QString header;
    int width;
};

namespace Workbook {

// The whole document. Cell values are trimmed; "&", "<" and ">" are escaped
// so a note holding them cannot break the table.
QByteArray document(const QString &sheetName, const QList<WorkbookColumn> &columns,
                    const QList<QStringList> &rows);
// Writes the document over path in one pass; false when it cannot be written.
bool write(const QString &path, const QString &sheetName, const QList<WorkbookColumn> &columns,
           const QList<QStringList> &rows);

} // namespace Workbook
