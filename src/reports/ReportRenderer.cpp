#include "reports/ReportRenderer.h"

#include "reports/ReportFonts.h"
#include "reports/ReportUnits.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double eps = 1e-6;

struct Scale {
    double x;
    double y;
    QRectF rect(const QRectF &r) const {
        return QRectF(r.left() * x, r.top() * y, r.width() * x, r.height() * y);
    }
    QPointF point(const QPointF &p) const { return QPointF(p.x() * x, p.y() * y); }
};

void drawFrame(QPainter &p, const Scale &s, const QRectF &box, const ReportFrame &frame) {
    if (!frame.any())
        return;
    QPen pen(frame.color, std::max(frame.width * s.x, 0.0));
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = s.rect(box);
    if (frame.top)
        p.drawLine(r.topLeft(), r.topRight());
    if (frame.bottom)
        p.drawLine(r.bottomLeft(), r.bottomRight());
    if (frame.left)
        p.drawLine(r.topLeft(), r.bottomLeft());
    if (frame.right)
        p.drawLine(r.topRight(), r.bottomRight());
}

QString withPageNumbers(QString line, int page, int pages) {
    line.replace(QLatin1String("[PAGE#]"), QString::number(page));
    line.replace(QLatin1String("[TOTALPAGES#]"), QString::number(pages));
    return line;
}

// The longest start of a line whose characters all begin left of limit: what
// a box without word wrap can show of it (the last one is cut by the clip).
QString visiblePart(const QString &line, const QFontMetricsF &fm, double x, double limit) {
    if (x + fm.horizontalAdvance(line) <= limit + eps)
        return line;
    qsizetype lo = 0, hi = line.size(); // the answer k: advance(line.left(k - 1)) < limit - x
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (x + fm.horizontalAdvance(line.left(mid - 1)) < limit - eps)
            lo = mid;
        else
            hi = mid - 1;
    }
    return line.left(lo);
}

void drawMemo(QPainter &p, const Scale &s, const PreparedItem &item, int page, int pages) {
    const PreparedObject &src = *item.source;
    const ReportObject &o = src.object;
    const QRectF box = s.rect(item.box);
    if (o.fill.isValid())
        p.fillRect(box, o.fill);
    if (item.firstLine < item.endLine) {
        // The text stays inside the frame's lines, never over them.
        QRectF inside = box;
        if (o.frame.any()) {
            const double half = o.frame.width * s.x / 2;
            inside.adjust(o.frame.left ? half : 0, o.frame.top ? half : 0, o.frame.right ? -half : 0,
                          o.frame.bottom ? -half : 0);
        }
        p.save();
        p.setClipRect(inside, Qt::IntersectClip);
        QFont font = ReportFonts::font(o.font);
        p.setFont(font);
        p.setPen(o.textColor);
        const QFontMetricsF fm(p.font(), p.device());
        const double left = (item.box.left() + o.padding.left()) * s.x;
        const double right = (item.box.right() - o.padding.right()) * s.x;
        const double ascent = fm.ascent();
        // A word-wrapped text longer than its box ends at the last whole line
        // that fits, never with half a line.
        const double lineHeight = std::min(fm.ascent() + fm.descent(), src.pitch * s.y);
        const bool wholeLines = o.wordWrap && item.lastPart;
        for (int i = item.firstLine; i < item.endLine; ++i) {
            const double top = (item.textTop + i * src.pitch) * s.y;
            if (top >= inside.bottom() - eps)
                break; // below the box: nothing of it shows
            if (wholeLines && top + lineHeight > inside.bottom() + eps)
                break;
            QString line = src.lines.at(i);
            if (o.pageMacros)
                line = withPageNumbers(line, page + 1, pages);
            if (line.isEmpty())
                continue;
            double x = left;
            if (o.alignment & (Qt::AlignHCenter | Qt::AlignRight)) {
                const double w = fm.horizontalAdvance(line);
                x = (o.alignment & Qt::AlignRight) ? right - w : (left + right - w) / 2;
            } else {
                line = visiblePart(line, fm, x, inside.right());
            }
            p.drawText(QPointF(x, top + ascent), line);
        }
        p.restore();
    }
    drawFrame(p, s, item.box, o.frame);
}

void drawPicture(QPainter &p, const Scale &s, const PreparedItem &item) {
    const ReportObject &o = item.source->object;
    const QRectF box = s.rect(item.box);
    if (o.fill.isValid())
        p.fillRect(box, o.fill);
    if (!o.picture.isNull()) {
        // The picture is fitted into the whole box, then cut to the part on this page.
        const QRectF whole = s.rect(QRectF(item.box.left(), item.box.top(), o.rect.width(), o.rect.height()));
        QSizeF size = QSizeF(o.picture.size())
                          .scaled(whole.size(), o.keepAspect ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio);
        QRectF target(whole.topLeft(), size);
        if (o.center)
            target.moveCenter(whole.center());
        // A photo far larger than the page needs is scaled down first (smaller files, faster printing).
        QImage image = o.picture;
        const QSize enough = (target.size() * 300.0 / std::max(p.device()->logicalDpiX(), 1)).toSize();
        if (image.width() > 2 * enough.width() && image.height() > 2 * enough.height() && !enough.isEmpty())
            image = image.scaled(enough, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image);
        p.restore();
    }
    drawFrame(p, s, item.box, o.frame);
}

void drawShape(QPainter &p, const Scale &s, const PreparedItem &item) {
    const ReportObject &o = item.source->object;
    const QRectF box = s.rect(item.box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, o.shape != ShapeKind::Rectangle);
    if (o.frame.any())
        p.setPen(QPen(o.frame.color, o.frame.width * s.x));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(o.fill.isValid() ? QBrush(o.fill) : Qt::NoBrush);
    switch (o.shape) {
    case ShapeKind::Rectangle:
        p.drawRect(box);
        break;
    case ShapeKind::RoundRectangle:
        p.drawRoundedRect(box, o.cornerRadius * s.x, o.cornerRadius * s.y);
        break;
    case ShapeKind::Ellipse:
        p.drawEllipse(box);
        break;
    }
    p.restore();
}

void drawLine(QPainter &p, const Scale &s, const PreparedItem &item) {
    const ReportObject &o = item.source->object;
    p.setPen(QPen(o.frame.color, std::max(o.frame.width * s.x, 0.0)));
    p.drawLine(s.point(item.box.topLeft()), s.point(item.box.bottomRight()));
}

} // namespace

namespace ReportRenderer {

void paintPage(QPainter &painter, const PreparedReport &report, int index, double dpiX, double dpiY) {
    const Scale s{dpiX / ReportUnits::perInch, dpiY / ReportUnits::perInch};
    const PreparedPage &page = report.pages.at(index);
    painter.save();
    for (const PreparedItem &item : page.items) {
        switch (item.source->object.kind) {
        case ReportObjectKind::Memo:
            drawMemo(painter, s, item, index, int(report.pages.size()));
            break;
        case ReportObjectKind::Picture:
            drawPicture(painter, s, item);
            break;
        case ReportObjectKind::Shape:
            drawShape(painter, s, item);
            break;
        case ReportObjectKind::Line:
            drawLine(painter, s, item);
            break;
        }
    }
    painter.restore();
}

bool render(const PreparedReport &report, QPagedPaintDevice *device, int from, int to) {
    if (report.pages.isEmpty())
        return false;
    from = std::clamp(from, 0, int(report.pages.size()) - 1);
    to = to < 0 ? int(report.pages.size()) - 1 : std::clamp(to, from, int(report.pages.size()) - 1);
    device->setPageLayout(report.pages.at(from).pageLayout());
    QPainter painter;
    if (!painter.begin(device))
        return false;
    for (int i = from; i <= to; ++i) {
        if (i > from) {
            const QPageLayout layout = report.pages.at(i).pageLayout();
            if (!layout.isEquivalentTo(device->pageLayout()))
                device->setPageLayout(layout);
            device->newPage();
        }
        paintPage(painter, report, i, device->logicalDpiX(), device->logicalDpiY());
    }
    return painter.end();
}

QImage pageImage(const PreparedReport &report, int index, double dpi) {
    const PreparedPage &page = report.pages.at(index);
    const QSize size = (page.size * dpi / ReportUnits::perInch).toSize();
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, report, index, image.logicalDpiX(), image.logicalDpiY());
    painter.end();
    return image;
}

} // namespace ReportRenderer
