#include "reports/PdfExport.h"

#include "core/files/WholeFileWriter.h"
#include "reports/ReportRenderer.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
// Only the std::shared_ptr interfaces of qpdf are used.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

void setInfo(QPDFObjectHandle &info, const char *key, const QString &value) {
    if (value.isEmpty())
        info.removeKey(key);
    else
        info.replaceKey(key, QPDFObjectHandle::newUnicodeString(value.toStdString()));
}

// Qt writes no Subject (nor Author): the document information is rewritten
// with a PDF library on the finished file.
QByteArray withInfo(const QByteArray &pdfBytes, const PdfSettings &settings) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("report", pdfBytes.constData(), size_t(pdfBytes.size()));
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    setInfo(info, "/Title", settings.title);
    setInfo(info, "/Subject", settings.subject);
    setInfo(info, "/Author", settings.author);
    setInfo(info, "/Creator", settings.creator);
    for (auto it = settings.extraInfo.cbegin(); it != settings.extraInfo.cend(); ++it)
        setInfo(info, it.key().constData(), it.value());
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    if (settings.compress) {
        writer.setCompressStreams(true);
        writer.setDecodeLevel(qpdf_dl_none); // keep the streams as Qt compressed them
    } else {
        writer.setStreamDataMode(qpdf_s_uncompress);
    }
    writer.write();
    const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char *>(out->getBuffer()), qsizetype(out->getSize()));
}

} // namespace

namespace PdfExport {

bool write(const PreparedReport &report, const QString &fileName, const PdfSettings &settings,
           QString *error) {
    auto failed = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(settings.title);
        writer.setCreator(settings.creator);
        writer.setResolution(1200);
        if (!ReportRenderer::render(report, &writer))
            return failed(QStringLiteral("The report has no pages to write."));
    }
    try {
        bytes = withInfo(bytes, settings);
    } catch (const std::exception &e) {
        return failed(QString::fromLocal8Bit(e.what()));
    }
    // The earlier file is replaced only once the new one is whole.
    WholeFileWriter file(fileName);
    if (!file.open())
        return failed(QStringLiteral("The file cannot be made beside ") + fileName);
    if (!file.write(bytes) || !file.commit())
        return failed(QStringLiteral("The file cannot be written whole: ") + fileName);
    return true;
}

QString infoEntry(const QString &fileName, const QByteArray &key) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("document", bytes.constData(), size_t(bytes.size()));
        QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
        if (!info.isDictionary() || !info.hasKey(key.toStdString()))
            return {};
        QPDFObjectHandle value = info.getKey(key.toStdString());
        return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace PdfExport
