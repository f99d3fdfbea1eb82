#include "reports/ReportEngine.h"

#include "reports/PrintDialogs.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"
#include "reports/ReportRenderer.h"
#include "reports/TemplateReader.h"

#include <QPrinter>

bool ReportEngine::fail(const QString &why) {
    m_error = why;
    return false;
}

bool ReportEngine::load(const QString &fileName) {
    ReportFonts::install();
    m_isPrepared = false;
    m_prepared = PreparedReport();
    return TemplateReader::read(fileName, &m_template, &m_error);
}

void ReportEngine::setTemplate(const ReportTemplate &report) {
    ReportFonts::install();
    m_template = report;
    m_isPrepared = false;
    m_prepared = PreparedReport();
}

bool ReportEngine::setText(const QString &object, const QString &text) {
    ReportObject *o = findObject(object);
    if (!o)
        return fail(QStringLiteral("The report has no object \"%1\".").arg(object));
    o->setText(text);
    m_isPrepared = false;
    return true;
}

bool ReportEngine::setLines(const QString &object, const QStringList &lines) {
    ReportObject *o = findObject(object);
    if (!o)
        return fail(QStringLiteral("The report has no object \"%1\".").arg(object));
    o->setLines(lines);
    m_isPrepared = false;
    return true;
}

bool ReportEngine::setPicture(const QString &object, const QImage &picture) {
    ReportObject *o = findObject(object);
    if (!o || o->kind != ReportObjectKind::Picture)
        return fail(QStringLiteral("The report has no picture \"%1\".").arg(object));
    o->setPicture(picture);
    m_isPrepared = false;
    return true;
}

bool ReportEngine::setHeight(const QString &objectOrBand, double units) {
    if (ReportObject *o = findObject(objectOrBand)) {
        o->setHeight(units);
        m_isPrepared = false;
        return true;
    }
    if (ReportBand *b = findBand(objectOrBand)) {
        b->height = units;
        m_isPrepared = false;
        return true;
    }
    return fail(QStringLiteral("The report has no object or band \"%1\".").arg(objectOrBand));
}

void ReportEngine::setOrientation(QPageLayout::Orientation orientation) {
    for (ReportPage &page : m_template.pages)
        page.orientation = orientation;
    m_isPrepared = false;
}

bool ReportEngine::prepare() {
    m_prepared = ReportLayout::prepare(m_template);
    m_isPrepared = !m_prepared.isEmpty();
    return m_isPrepared || fail(QStringLiteral("The report has no pages."));
}

bool ReportEngine::ensurePrepared() { return m_isPrepared || prepare(); }

bool ReportEngine::print(QWidget *parent) {
    if (!ensurePrepared())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_prepared.title);
    printer.setCreator(QStringLiteral("Tersalia"));
    printer.setFullPage(true);
    printer.setPageLayout(m_prepared.pages.first().pageLayout());
    printer.setFromTo(1, pageCount());
    if (!PrintDialogs::choosePrinter(parent, &printer))
        return true; // cancelled: nothing to report
    PrintDialogs::settleOutputFile(&printer);
    printer.setFullPage(true);
    int from = 0;
    int to = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = printer.toPage() > 0 ? printer.toPage() - 1 : -1;
    }
    if (!ReportRenderer::render(m_prepared, &printer, from, to)) {
        return fail(printer.outputFormat() == QPrinter::PdfFormat
                        ? QStringLiteral("Cannot write the file \"%1\".").arg(printer.outputFileName())
                        : QStringLiteral("The printer \"%1\" did not accept the document.")
                              .arg(printer.printerName()));
    }
    return true;
}

void ReportEngine::showPreview(QWidget *parent) {
    if (!ensurePrepared())
        return;
    ReportPreview preview(
        m_prepared, [this](QWidget *owner) { print(owner); }, parent);
    preview.exec();
}

bool ReportEngine::exportPdf(const QString &fileName, const PdfSettings &settings) {
    if (!ensurePrepared())
        return false;
    return PdfExport::write(m_prepared, fileName, settings, &m_error);
}

QImage ReportEngine::pageImage(int page, double dpi) const {
    if (page < 0 || page >= int(m_prepared.pages.size()))
        return QImage();
    return ReportRenderer::pageImage(m_prepared, page, dpi);
}
