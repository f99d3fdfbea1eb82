#pragma once
// A report laid out on pages, ready to be drawn on any device. Everything is
// in report units from the paper's top-left corner.
#include "reports/ReportTemplate.h"

#include <QList>
#include <QSharedPointer>

// One object as it was filled when the report was prepared, shared by every
// page that shows a part of it.
struct PreparedObject {
    ReportObject object;
    QStringList lines; // memo: the lines to draw, after word wrapping
    double pitch = 0;  // memo: distance between two lines
    double ascent = 0; // memo: from a line's top to its baseline
};

struct PreparedItem {
    QSharedPointer<const PreparedObject> source;
    QRectF box;         // the part of the object on this page
    double textTop = 0; // memo: where the top of line 0 would be on this page
    int firstLine = 0;  // memo: lines [firstLine, endLine) start on this page
    int endLine = 0;
    bool lastPart = true; // the object ends on this page (not cut by a page break)
};

struct PreparedPage {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF size; // units
    QList<PreparedItem> items;
    QPageLayout pageLayout() const; // no margins: drawing starts at the paper's corner
};

struct PreparedReport {
    QString title;
    QList<PreparedPage> pages;
    bool isEmpty() const { return pages.isEmpty(); }
};
