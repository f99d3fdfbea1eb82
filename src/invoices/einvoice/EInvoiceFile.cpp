#include "invoices/einvoice/EInvoiceFile.h"

#include "core/files/WholeFileWriter.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace EInvoiceFile {

QString folderName() { return QStringLiteral("Fatture_Elettroniche"); }

QString folder(int year) {
    return ProgramFolder::file(folderName() + QLatin1Char('/') + QString::number(year) + QLatin1Char('/'));
}

Outcome write(const QString &path, const QByteArray &xml) {
    Outcome outcome;
    outcome.schemaErrors = SchemaCheck::errors(xml);
    if (!outcome.schemaErrors.isEmpty())
        return outcome;
    outcome.written = QDir().mkpath(QFileInfo(path).absolutePath()) && WholeFileWriter::writeWhole(path, xml);
    return outcome;
}

} // namespace EInvoiceFile
