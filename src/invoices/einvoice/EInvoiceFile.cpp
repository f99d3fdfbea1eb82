#include "invoices/einvoice/EInvoiceFile.h"

#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The whole file under a temporary name beside it, put in place when complete.
bool writeWhole(const QString &path, const QByteArray &bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // flush() before commit(): commit would write what is still buffered
    // without noticing a full disk.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace

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
    outcome.written = writeWhole(path, xml);
    return outcome;
}

} // namespace EInvoiceFile
