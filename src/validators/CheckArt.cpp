#include "validators/CheckArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace CheckArt {
namespace {

QFont artFont(qreal pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, int(pixels)));
    f.setBold(bold);
    return f;
}

void shadow(QPainter &p, const QPainterPath &shape) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 20, 50, 70));
    p.drawPath(shape.translated(3, 4));
    p.restore();
}

void chip(QPainter &p, const QRectF &r) {
    QLinearGradient gold(r.topLeft(), r.bottomRight());
    gold.setColorAt(0, QColor(250, 225, 140));
    gold.setColorAt(1, QColor(200, 160, 60));
    p.setPen(QPen(QColor(150, 115, 40), 1));
    p.setBrush(gold);
    p.drawRoundedRect(r, r.height() * 0.2, r.height() * 0.2);
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

// A plastic card with rounded corners, filled with a two-colour gradient.
QPainterPath card(QPainter &p, const QRectF &r, const QColor &from, const QColor &to) {
    QPainterPath shape;
    shape.addRoundedRect(r, r.height() * 0.1, r.height() * 0.1);
    shadow(p, shape);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.setPen(QPen(to.darker(150), 1.2));
    p.setBrush(g);
    p.drawPath(shape);
    return shape;
}

void taxCard(QPainter &p, const QRectF &box) {
    const QRectF r(box.left(), box.top() + box.height() * 0.14, box.width(), box.height() * 0.66);
    card(p, r, QColor(235, 246, 238), QColor(150, 200, 170));
    const qreal u = r.height() / 10;
    // Header stripe and the "CF" mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 80));
    p.drawRect(QRectF(r.left() + 1, r.top() + u * 1.2, r.width() - 2, u * 1.6));
    p.setPen(QColor(20, 70, 50));
    p.setFont(artFont(u * 2.6, true));
    p.drawText(QRectF(r.left() + u, r.top() + u * 3.2, u * 5, u * 3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("CF"));
    chip(p, QRectF(r.left() + u, r.top() + u * 6.3, u * 2.6, u * 2));
    // Lines of text and a bar code.
    p.setPen(QPen(QColor(60, 100, 80), u * 0.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(r.left() + u * 6, r.top() + u * (4 + i * 1.5)),
                   QPointF(r.right() - u * (1 + i * 1.2), r.top() + u * (4 + i * 1.5)));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    for (int i = 0; i < 22; ++i) {
        const qreal x = r.left() + u * 6 + i * (r.width() - u * 7) / 22;
        if (i % 3 != 1)
            p.drawLine(QPointF(x, r.top() + u * 7.6), QPointF(x, r.top() + u * 9));
    }
}

void vatDocument(QPainter &p, const QRectF &box) {
    const qreal w = box.height() * 0.62, h = box.height() * 0.84;
    const QRectF r(box.left() + box.width() * 0.12, box.top() + box.height() * 0.06, w, h);
    const qreal fold = w * 0.26;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    shadow(p, sheet);
    p.setPen(QPen(QColor(90, 110, 140), 1.2));
    p.setBrush(QColor(252, 252, 255));
    p.drawPath(sheet);
    p.setBrush(QColor(215, 225, 240));
    p.drawPolygon(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                             QPointF(r.right(), r.top() + fold)}));
    p.setPen(QPen(QColor(150, 165, 190), w * 0.045, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal y = r.top() + h * (0.3 + i * 0.1);
        p.drawLine(QPointF(r.left() + w * 0.12, y), QPointF(r.right() - w * (i % 2 ? 0.3 : 0.12), y));
    }
    // The round stamp with "IVA", overlapping the sheet's corner.
    const QPointF c(r.right() + w * 0.05, r.bottom() - h * 0.2);
    const qreal rad = w * 0.42;
    p.setPen(QPen(QColor(150, 30, 30), 1.2));
    p.setBrush(QColor(205, 50, 45));
    p.drawEllipse(c, rad, rad);
    p.setPen(QPen(QColor(255, 235, 235), rad * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rad * 0.8, rad * 0.8);
    p.setPen(Qt::white);
    p.setFont(artFont(rad * 0.62, true));
    p.drawText(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), Qt::AlignCenter, QStringLiteral("IVA"));
}

void paymentCards(QPainter &p, const QRectF &box) {
    const qreal w = box.width() * 0.64, h = w * 0.63;
    p.save();
    p.translate(box.left() + w * 0.04, box.top() + box.height() * 0.2);
    p.rotate(-8);
    card(p, QRectF(0, 0, w, h), QColor(250, 190, 70), QColor(215, 120, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20));
    p.drawRect(QRectF(0.5, h * 0.16, w - 1, h * 0.18));
    p.restore();

    p.save();
    p.translate(box.left() + w * 0.34, box.top() + box.height() * 0.3);
    p.rotate(4);
    const QRectF front(0, 0, w, h);
    card(p, front, QColor(70, 120, 200), QColor(20, 50, 110));
    chip(p, QRectF(w * 0.1, h * 0.26, w * 0.17, h * 0.22));
    p.setPen(QColor(235, 242, 255));
    p.setFont(artFont(h * 0.15, true));
    p.drawText(QRectF(w * 0.08, h * 0.52, w * 0.9, h * 0.2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("•••• •••• 1234"));
    // Two overlapping circles as a brand mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 60, 40, 220));
    p.drawEllipse(QPointF(w * 0.74, h * 0.82), h * 0.1, h * 0.1);
    p.setBrush(QColor(250, 180, 40, 220));
    p.drawEllipse(QPointF(w * 0.84, h * 0.82), h * 0.1, h * 0.1);
    p.restore();
}

void bank(QPainter &p, const QRectF &box) {
    const qreal s = qMin(box.width(), box.height());
    const QRectF r(box.center().x() - s * 0.48, box.top() + s * 0.06, s * 0.96, s * 0.86);
    const qreal u = r.width() / 20;
    const QColor stone(245, 240, 225), edge(120, 100, 60);
    QPainterPath outline;
    outline.addRect(QRectF(r.left(), r.top() + u * 5, r.width(), r.height() - u * 5));
    shadow(p, outline);
    p.setPen(QPen(edge, 1.2));
    // Pediment with the euro sign.
    QLinearGradient roof(r.topLeft(), QPointF(r.left(), r.top() + u * 5));
    roof.setColorAt(0, QColor(255, 225, 120));
    roof.setColorAt(1, QColor(220, 170, 60));
    p.setBrush(roof);
    p.drawPolygon(QPolygonF({QPointF(r.left(), r.top() + u * 5), QPointF(r.center().x(), r.top()),
                             QPointF(r.right(), r.top() + u * 5)}));
    p.setPen(QColor(110, 70, 10));
    p.setFont(artFont(u * 3.2, true));
    p.drawText(QRectF(r.center().x() - u * 3, r.top() + u * 1.4, u * 6, u * 3.6), Qt::AlignCenter,
               QStringLiteral("€"));
    p.setPen(QPen(edge, 1.2));
    p.setBrush(stone);
    p.drawRect(QRectF(r.left() + u * 0.5, r.top() + u * 5, r.width() - u, u * 1.4));
    // Four columns.
    for (int i = 0; i < 4; ++i) {
        const QRectF col(r.left() + u * (2 + i * 4.6), r.top() + u * 6.4, u * 2.2, u * 8.6);
        QLinearGradient g(col.topLeft(), col.topRight());
        g.setColorAt(0, QColor(255, 252, 240));
        g.setColorAt(1, QColor(205, 195, 170));
        p.setBrush(g);
        p.drawRect(col);
    }
    // Steps.
    p.setBrush(stone);
    p.drawRect(QRectF(r.left() + u * 0.5, r.top() + u * 15, r.width() - u, u * 1.3));
    p.drawRect(QRectF(r.left(), r.top() + u * 16.3, r.width(), u * 1.3));
}

void checkBadge(QPainter &p, const QPointF &c, qreal rad) {
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(QColor(40, 160, 70));
    p.drawEllipse(c, rad, rad);
    p.setPen(QPen(Qt::white, rad * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({QPointF(c.x() - rad * 0.45, c.y()), QPointF(c.x() - rad * 0.1, c.y() + rad * 0.38),
                   QPointF(c.x() + rad * 0.5, c.y() - rad * 0.35)}));
}

} // namespace

QPixmap band(Emblem emblem, const QString &title, const QString &subtitle, QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(34, 74, 130));
    bg.setColorAt(1, QColor(96, 150, 205));
    p.fillRect(pm.rect(), bg);
    // A soft light across the band.
    QLinearGradient light(0, 0, 0, size.height());
    light.setColorAt(0, QColor(255, 255, 255, 40));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, size.width(), size.height() / 2), light);

    const qreal h = size.height();
    const QRectF art(14, 8, h * 1.25, h - 16);
    switch (emblem) {
    case Emblem::TaxCard:
        taxCard(p, art);
        break;
    case Emblem::VatDocument:
        vatDocument(p, art);
        break;
    case Emblem::PaymentCards:
        paymentCards(p, art);
        break;
    case Emblem::Bank:
        bank(p, art);
        break;
    }
    checkBadge(p, QPointF(art.right() - h * 0.08, art.bottom() - h * 0.1), h * 0.14);

    const int x = int(art.right() + 22);
    p.setPen(QColor(0, 20, 50, 90));
    p.setFont(artFont(h * 0.27, true));
    const QRect titleRect(x, int(h * 0.16), size.width() - x - 12, int(h * 0.38));
    p.drawText(titleRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(Qt::white);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QColor(225, 236, 250));
    p.setFont(artFont(h * 0.14, false));
    p.drawText(QRect(x, int(h * 0.56), size.width() - x - 12, int(h * 0.34)),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);
    // A thin golden rule under the band.
    p.fillRect(QRect(0, size.height() - 3, size.width(), 3), QColor(240, 170, 40));
    return pm;
}

} // namespace CheckArt
