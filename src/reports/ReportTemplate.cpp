#include "reports/ReportTemplate.h"

#include "reports/ReportUnits.h"

#include <QRegularExpression>

void ReportObject::setText(const QString &text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    m_lines = text.isEmpty() ? QStringList() : text.split(breaks);
}

QSizeF ReportPage::paperSize() const {
    const QSizeF mm = QPageSize(paper).size(QPageSize::Millimeter);
    QSizeF units(ReportUnits::fromMm(mm.width()), ReportUnits::fromMm(mm.height()));
    return orientation == QPageLayout::Landscape ? units.transposed() : units;
}

QRectF ReportPage::printableArea() const {
    return QRectF(QPointF(0, 0), paperSize()).marginsRemoved(margins);
}

namespace {
bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

ReportObject *ReportTemplate::findObject(const QString &wanted) {
    for (ReportPage &page : pages) {
        for (ReportObject &o : page.objects)
            if (sameName(o.name, wanted))
                return &o;
        for (ReportBand &band : page.bands)
            for (ReportObject &o : band.objects)
                if (sameName(o.name, wanted))
                    return &o;
    }
    return nullptr;
}

const ReportObject *ReportTemplate::findObject(const QString &wanted) const {
    return const_cast<ReportTemplate *>(this)->findObject(wanted);
}

ReportBand *ReportTemplate::findBand(const QString &wanted) {
    for (ReportPage &page : pages)
        for (ReportBand &band : page.bands)
            if (sameName(band.name, wanted))
                return &band;
    return nullptr;
}

ReportPage *ReportTemplate::findPage(const QString &wanted) {
    for (ReportPage &page : pages)
        if (sameName(page.name, wanted))
            return &page;
    return nullptr;
}
