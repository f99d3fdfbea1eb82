#pragma once
// Writes prepared reports as PDF files with their document information
// (title, subject, author, creator), as a PDF reader shows it.
#include "reports/PreparedReport.h"

#include <QByteArray>
#include <QMap>
#include <QString>

struct PdfSettings {
    QString title;
    QString subject;
    QString author;
    QString creator;
    bool compress = true; // false: every stream stored plainly
    // Further document information entries of the program's own ("/Key" -> text).
    QMap<QByteArray, QString> extraInfo;
};

namespace PdfExport {

// Replaces any earlier file without asking. On failure the file is left as it
// was and error tells why (for example a file locked by a viewer).
bool write(const PreparedReport &report, const QString &fileName, const PdfSettings &settings,
           QString *error = nullptr);

// One document information entry ("/Title", or one of extraInfo) of a PDF
// file; empty when the file is missing, unreadable or has no such entry.
QString infoEntry(const QString &fileName, const QByteArray &key);

} // namespace PdfExport
