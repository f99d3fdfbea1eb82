#include "reports/ReportFonts.h"

#include "core/platform/Fonts.h"
#include "reports/ReportUnits.h"

#include <QImage>

namespace ReportFonts {

void install() { Fonts::install(); }

QFont font(const ReportFont &f) {
    install();
    QFont q(f.family);
    const QString family = f.family.toLower();
    if (family.contains(QLatin1String("courier")) || family.contains(QLatin1String("mono")))
        q.setStyleHint(QFont::TypeWriter);
    else
        q.setStyleHint(QFont::SansSerif);
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    // Outline metrics: the same advances at every resolution, so a line measured
    // at 96 dpi fits its box on a 1200 dpi page too.
    q.setHintingPreference(QFont::PreferNoHinting);
    q.setKerning(false);
    return q;
}

const QPaintDevice *measureDevice() {
    static const QImage device = []() {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(ReportUnits::perInch * measureScale / 0.0254);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return &device;
}

} // namespace ReportFonts
