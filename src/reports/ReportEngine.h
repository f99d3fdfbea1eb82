#pragma once
// The report engine behind every printed document: load a template, fill its
// objects, prepare the pages, then print them, preview them or write a PDF.
//
//   ReportEngine engine;
//   engine.load(QStringLiteral(":/reports/Riepilogo.json"));
//   engine.setText(QStringLiteral("txtTitolo"), title);
//   engine.prepare();
//   engine.print(this);
#include "reports/PdfExport.h"
#include "reports/PreparedReport.h"
#include "reports/ReportTemplate.h"

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

class ReportEngine {
public:
    // Templates are read from the resources (":/reports/<name>.json") or a file.
    bool load(const QString &fileName);
    // A template built or read elsewhere.
    void setTemplate(const ReportTemplate &report);
    QString errorString() const { return m_error; }

    ReportTemplate &report() { return m_template; }
    const ReportTemplate &report() const { return m_template; }

    // By name, without regard to case; nullptr when there is none.
    ReportObject *findObject(const QString &name) { return m_template.findObject(name); }
    ReportBand *findBand(const QString &name) { return m_template.findBand(name); }

    // Each of these is false (with errorString() naming the object) when the
    // template has no object of that name.
    bool setText(const QString &object, const QString &text);
    bool setLines(const QString &object, const QStringList &lines);
    bool setPicture(const QString &object, const QImage &picture); // fitted into the box when drawn
    // Heights in report units (1/96 inch): an object's, or a band's.
    bool setHeight(const QString &objectOrBand, double units);

    void setOrientation(QPageLayout::Orientation orientation); // every page

    // Lays the filled template out on pages; false when it gives no page.
    bool prepare();
    const PreparedReport &prepared() const { return m_prepared; }
    int pageCount() const { return int(m_prepared.pages.size()); }

    // The print dialog, then the chosen printer or PDF file. True when printed
    // or cancelled by the user, false when printing failed.
    bool print(QWidget *parent);
    // The modal preview window (print, zoom, full screen, close).
    void showPreview(QWidget *parent);
    bool exportPdf(const QString &fileName, const PdfSettings &settings);
    QImage pageImage(int page, double dpi = 96) const;

private:
    bool fail(const QString &why);
    bool ensurePrepared();

    ReportTemplate m_template;
    PreparedReport m_prepared;
    bool m_isPrepared = false;
    QString m_error;
};
