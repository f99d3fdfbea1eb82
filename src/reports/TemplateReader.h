#pragma once
// Reads report templates written as JSON (see reports/README.md for the format).
#include "reports/ReportTemplate.h"

#include <QByteArray>
#include <QString>

namespace TemplateReader {

// From a file or a resource (":/reports/<name>.json"). On failure returns
// false and tells why in error (file, object and key concerned).
bool read(const QString &fileName, ReportTemplate *out, QString *error);
bool parse(const QByteArray &json, ReportTemplate *out, QString *error);

} // namespace TemplateReader
