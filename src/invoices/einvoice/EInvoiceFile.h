#pragma once
// Where an e-invoice is kept and how it gets there: "Fatture_Elettroniche/
// <year>/IT<IdCodice>_<progressivo>.xml" in the program folder, checked
// against the official schema first and then written whole through the
// program's writer (core/files/WholeFileWriter: a temporary beside it, renamed
// when complete). A file that fails the schema is never written, and a failed
// write leaves the name as it was.
#include "invoices/einvoice/SchemaCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace EInvoiceFile {

QString folderName(); // "Fatture_Elettroniche"
// The year's folder in the program folder, with a trailing "/".
QString folder(int year);

struct Outcome {
    bool written = false;
    QList<SchemaError> schemaErrors; // why the document was refused
};

// Checks xml against the schema, then writes it at path (its folder made when
// missing).
Outcome write(const QString &path, const QByteArray &xml);

} // namespace EInvoiceFile
