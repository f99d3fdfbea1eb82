#include "ui/card/CardIcons.h"
#include "ui/widgets/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace CardIcons {
namespace {

void sheet(QPainter &p, const QRectF &r, qreal u) {
    QPainterPath s;
    s.moveTo(r.left(), r.top());
    s.lineTo(r.right() - 1.6 * u, r.top());
    s.lineTo(r.right(), r.top() + 1.6 * u);
    s.lineTo(r.right(), r.bottom());
    s.lineTo(r.left(), r.bottom());
    s.closeSubpath();
    p.drawPath(s);
}

void drawSymbol(QPainter &p, Symbol s, const QRectF &r, const QColor &tile) {
    const qreal u = r.width() / 10.0;
    const QPointF c = r.center();
    QPen pen(Qt::white, u * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    switch (s) {
    case Symbol::New:
        sheet(p, QRectF(c.x() - 2.6 * u, c.y() - 3.3 * u, 5.2 * u, 6.6 * u), u);
        p.drawLine(QPointF(c.x(), c.y() - 1.4 * u), QPointF(c.x(), c.y() + 1.8 * u));
        p.drawLine(QPointF(c.x() - 1.6 * u, c.y() + 0.2 * u), QPointF(c.x() + 1.6 * u, c.y() + 0.2 * u));
        break;
    case Symbol::Duplicate:
        sheet(p, QRectF(c.x() - 3.2 * u, c.y() - 3.4 * u, 4.4 * u, 5.4 * u), u);
        p.setBrush(tile);
        sheet(p, QRectF(c.x() - 1.0 * u, c.y() - 1.6 * u, 4.4 * u, 5.4 * u), u);
        break;
    case Symbol::Save:
        p.drawRoundedRect(QRectF(c.x() - 3.2 * u, c.y() - 3.2 * u, 6.4 * u, 6.4 * u), 0.6 * u, 0.6 * u);
        p.drawRect(QRectF(c.x() - 1.8 * u, c.y() - 3.2 * u, 3.6 * u, 2.2 * u));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - 2 * u, c.y() + 0.6 * u, 4 * u, 2.0 * u));
        break;
    case Symbol::Find:
        p.drawEllipse(QPointF(c.x() - 0.8 * u, c.y() - 0.8 * u), 2.3 * u, 2.3 * u);
        pen.setWidthF(u * 1.3);
        p.setPen(pen);
        p.drawLine(QPointF(c.x() + 0.9 * u, c.y() + 0.9 * u), QPointF(c.x() + 3.1 * u, c.y() + 3.1 * u));
        break;
    case Symbol::Preview:
        sheet(p, QRectF(c.x() - 3.2 * u, c.y() - 3.4 * u, 4.8 * u, 6.2 * u), u);
        p.setBrush(tile);
        p.drawEllipse(QPointF(c.x() + 1.2 * u, c.y() + 1.0 * u), 1.6 * u, 1.6 * u);
        p.drawLine(QPointF(c.x() + 2.4 * u, c.y() + 2.2 * u), QPointF(c.x() + 3.6 * u, c.y() + 3.4 * u));
        break;
    case Symbol::Print:
        p.drawRect(QRectF(c.x() - 1.9 * u, c.y() - 3.4 * u, 3.8 * u, 2.4 * u));
        p.drawRoundedRect(QRectF(c.x() - 3.4 * u, c.y() - 1.0 * u, 6.8 * u, 3.2 * u), 0.6 * u, 0.6 * u);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - 1.9 * u, c.y() + 1.2 * u, 3.8 * u, 2.2 * u));
        break;
    case Symbol::Done:
        pen.setWidthF(u * 1.2);
        p.setPen(pen);
        p.drawPolyline(
            QPolygonF({QPointF(c.x() - 2.8 * u, c.y() + 0.2 * u), QPointF(c.x() - 0.8 * u, c.y() + 2.2 * u),
                       QPointF(c.x() + 3.0 * u, c.y() - 2.2 * u)}));
        break;
    case Symbol::Pending:
    case Symbol::AlarmClock:
        p.drawEllipse(QPointF(c.x(), c.y() + 0.4 * u), 3.0 * u, 3.0 * u);
        p.drawLine(QPointF(c.x(), c.y() + 0.4 * u), QPointF(c.x(), c.y() - 1.6 * u));
        p.drawLine(QPointF(c.x(), c.y() + 0.4 * u), QPointF(c.x() + 1.5 * u, c.y() + 1.2 * u));
        if (s == Symbol::AlarmClock) {
            p.drawArc(QRectF(c.x() - 4.0 * u, c.y() - 4.0 * u, 3.0 * u, 3.0 * u), 60 * 16, 90 * 16);
            p.drawArc(QRectF(c.x() + 1.0 * u, c.y() - 4.0 * u, 3.0 * u, 3.0 * u), 30 * 16, 90 * 16);
        }
        break;
    case Symbol::Overdue:
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - 3.4 * u), QPointF(c.x() + 3.6 * u, c.y() + 2.8 * u),
                                 QPointF(c.x() - 3.6 * u, c.y() + 2.8 * u)}));
        p.drawLine(QPointF(c.x(), c.y() - 1.2 * u), QPointF(c.x(), c.y() + 0.8 * u));
        p.drawPoint(QPointF(c.x(), c.y() + 1.9 * u));
        break;
    case Symbol::Export:
        p.drawRect(QRectF(c.x() - 3.4 * u, c.y() - 3.0 * u, 5.0 * u, 6.0 * u));
        p.drawLine(QPointF(c.x() - 3.4 * u, c.y() - 1.0 * u), QPointF(c.x() + 1.6 * u, c.y() - 1.0 * u));
        p.drawLine(QPointF(c.x() - 3.4 * u, c.y() + 1.0 * u), QPointF(c.x() + 1.6 * u, c.y() + 1.0 * u));
        p.drawLine(QPointF(c.x() - 0.9 * u, c.y() - 3.0 * u), QPointF(c.x() - 0.9 * u, c.y() + 3.0 * u));
        p.drawLine(QPointF(c.x() + 0.6 * u, c.y() + 2.4 * u), QPointF(c.x() + 3.6 * u, c.y() + 2.4 * u));
        p.drawPolyline(
            QPolygonF({QPointF(c.x() + 2.4 * u, c.y() + 1.2 * u), QPointF(c.x() + 3.6 * u, c.y() + 2.4 * u),
                       QPointF(c.x() + 2.4 * u, c.y() + 3.6 * u)}));
        break;
    case Symbol::Help:
        f.setPixelSize(int(u * 6.5));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Symbol::Exit:
        p.drawRect(QRectF(c.x() - 3.2 * u, c.y() - 3.2 * u, 3.8 * u, 6.4 * u));
        p.drawLine(QPointF(c.x() - 0.6 * u, c.y()), QPointF(c.x() + 3.4 * u, c.y()));
        p.drawPolyline(QPolygonF({QPointF(c.x() + 2.0 * u, c.y() - 1.4 * u), QPointF(c.x() + 3.4 * u, c.y()),
                                  QPointF(c.x() + 2.0 * u, c.y() + 1.4 * u)}));
        break;
    case Symbol::Calendar:
        p.drawRoundedRect(QRectF(c.x() - 3.2 * u, c.y() - 2.6 * u, 6.4 * u, 5.8 * u), 0.5 * u, 0.5 * u);
        p.drawLine(QPointF(c.x() - 3.2 * u, c.y() - 0.8 * u), QPointF(c.x() + 3.2 * u, c.y() - 0.8 * u));
        p.drawLine(QPointF(c.x() - 1.6 * u, c.y() - 3.4 * u), QPointF(c.x() - 1.6 * u, c.y() - 1.8 * u));
        p.drawLine(QPointF(c.x() + 1.6 * u, c.y() - 3.4 * u), QPointF(c.x() + 1.6 * u, c.y() - 1.8 * u));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j)
                p.drawPoint(QPointF(c.x() - 1.6 * u + i * 1.6 * u, c.y() + 0.6 * u + j * 1.4 * u));
        break;
    case Symbol::Import:
        p.drawLine(QPointF(c.x() + 2.8 * u, c.y() - 2.8 * u), QPointF(c.x() - 1.8 * u, c.y() + 1.8 * u));
        p.drawPolyline(
            QPolygonF({QPointF(c.x() - 2.2 * u, c.y() - 1.0 * u), QPointF(c.x() - 2.2 * u, c.y() + 2.2 * u),
                       QPointF(c.x() + 1.0 * u, c.y() + 2.2 * u)}));
        break;
    case Symbol::Mail:
        p.drawRect(QRectF(c.x() - 3.4 * u, c.y() - 2.2 * u, 6.8 * u, 4.4 * u));
        p.drawPolyline(QPolygonF({QPointF(c.x() - 3.4 * u, c.y() - 2.2 * u), QPointF(c.x(), c.y() + 0.6 * u),
                                  QPointF(c.x() + 3.4 * u, c.y() - 2.2 * u)}));
        break;
    case Symbol::WhatsApp: {
        // A speech bubble holding a handset.
        QPainterPath bubble;
        bubble.addEllipse(c, 3.4 * u, 3.4 * u);
        QPainterPath tail;
        tail.moveTo(c.x() - 2.2 * u, c.y() + 2.0 * u);
        tail.lineTo(c.x() - 3.6 * u, c.y() + 3.8 * u);
        tail.lineTo(c.x() - 0.4 * u, c.y() + 3.2 * u);
        p.drawPath(bubble.united(tail));
        QPainterPath handset;
        handset.moveTo(c.x() - 1.6 * u, c.y() - 1.8 * u);
        handset.cubicTo(c.x() - 2.0 * u, c.y() + 0.2 * u, c.x() + 0.0 * u, c.y() + 2.0 * u, c.x() + 1.8 * u,
                        c.y() + 1.6 * u);
        pen.setWidthF(u * 1.1);
        p.setPen(pen);
        p.drawPath(handset);
        break;
    }
    case Symbol::Attach:
        p.drawArc(QRectF(c.x() - 1.6 * u, c.y() - 3.4 * u, 3.2 * u, 3.2 * u), 0, 180 * 16);
        p.drawLine(QPointF(c.x() - 1.6 * u, c.y() - 1.8 * u), QPointF(c.x() - 1.6 * u, c.y() + 2.0 * u));
        p.drawLine(QPointF(c.x() + 1.6 * u, c.y() - 1.8 * u), QPointF(c.x() + 1.6 * u, c.y() + 1.0 * u));
        p.drawArc(QRectF(c.x() - 1.6 * u, c.y() + 0.4 * u, 3.2 * u, 3.2 * u), 180 * 16, 180 * 16);
        break;
    case Symbol::Pdf:
        f.setPixelSize(int(u * 3));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    case Symbol::Eraser: {
        p.save();
        p.translate(c);
        p.rotate(-35);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRoundedRect(QRectF(-3.6 * u, -1.5 * u, 7.2 * u, 3.0 * u), 0.6 * u, 0.6 * u);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.6 * u, -1.5 * u, 3.0 * u, 3.0 * u), 0.6 * u, 0.6 * u);
        p.restore();
        p.drawLine(QPointF(c.x() - 3.6 * u, c.y() + 3.4 * u), QPointF(c.x() + 3.4 * u, c.y() + 3.4 * u));
        break;
    }
    case Symbol::Check: {
        pen.setWidthF(u * 1.2);
        p.setPen(pen);
        QPainterPath tick;
        tick.moveTo(c.x() - 3.0 * u, c.y() + 0.2 * u);
        tick.lineTo(c.x() - 0.8 * u, c.y() + 2.6 * u);
        tick.lineTo(c.x() + 3.2 * u, c.y() - 2.6 * u);
        p.drawPath(tick);
        break;
    }
    case Symbol::Privacy:
        f.setPixelSize(int(u * 7));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("P"));
        break;
    case Symbol::Services:
        sheet(p, QRectF(c.x() - 3.0 * u, c.y() - 3.4 * u, 6.0 * u, 6.8 * u), u);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(c.x() - 1.8 * u, c.y() - 1.4 * u + i * 1.6 * u),
                       QPointF(c.x() + 1.8 * u, c.y() - 1.4 * u + i * 1.6 * u));
        break;
    case Symbol::Recontact: {
        p.drawEllipse(QPointF(c.x() - 0.8 * u, c.y() - 1.6 * u), 1.6 * u, 1.6 * u);
        p.drawArc(QRectF(c.x() - 3.6 * u, c.y() + 0.6 * u, 5.6 * u, 5.0 * u), 0, 180 * 16);
        QPainterPath arrow;
        arrow.moveTo(c.x() + 2.0 * u, c.y() - 3.2 * u);
        arrow.arcTo(QRectF(c.x() + 0.6 * u, c.y() - 3.2 * u, 3.2 * u, 3.2 * u), 90, -200);
        p.drawPath(arrow);
        break;
    }
    case Symbol::Logo:
        Artwork::drawFramedPicture(p, c, u);
        break;
    case Symbol::Repeat: {
        p.setBrush(Qt::NoBrush);
        const QRectF ring(c.x() - 2.8 * u, c.y() - 2.8 * u, 5.6 * u, 5.6 * u);
        p.drawArc(ring, 20 * 16, 140 * 16);
        p.drawArc(ring, 200 * 16, 140 * 16);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        // An arrow head at the end of each arc, pointing on round the ring.
        for (const double sign : {1.0, -1.0}) {
            const QPointF tip(c.x() - sign * 2.8 * u, c.y() + sign * 0.2 * u);
            p.drawPolygon(QPolygonF{tip + QPointF(-sign * 1.3 * u, 0), tip + QPointF(sign * 1.3 * u, 0),
                                    tip + QPointF(0, sign * 1.6 * u)});
        }
        break;
    }
    }
}

} // namespace

QPixmap pixmap(Symbol symbol, int size, const QColor &color) {
    QPixmap pm = Artwork::transparent(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size - 1, size - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, color.lighter(135));
    g.setColorAt(1, color.darker(112));
    p.setPen(QPen(color.darker(135), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, size * 0.22, size * 0.22);
    drawSymbol(p, symbol, r.adjusted(size * 0.1, size * 0.1, -size * 0.1, -size * 0.1), color);
    return pm;
}

QIcon icon(Symbol symbol, const QColor &color) {
    QIcon i;
    for (int s : {16, 24, 32, 48})
        i.addPixmap(pixmap(symbol, s, color));
    QPixmap grey = pixmap(symbol, 24, QColor(170, 178, 188));
    i.addPixmap(grey, QIcon::Disabled);
    return i;
}

QColor defaultColor(Symbol symbol) {
    switch (symbol) {
    case Symbol::New:
        return QColor(46, 125, 196);
    case Symbol::Duplicate:
        return QColor(72, 110, 180);
    case Symbol::Save:
        return QColor(40, 150, 90);
    case Symbol::Find:
        return QColor(90, 100, 170);
    case Symbol::Preview:
        return QColor(60, 130, 160);
    case Symbol::Print:
        return QColor(70, 90, 120);
    case Symbol::Done:
        return QColor(50, 155, 80);
    case Symbol::Pending:
        return QColor(220, 150, 30);
    case Symbol::Overdue:
        return QColor(200, 60, 60);
    case Symbol::Export:
        return QColor(30, 130, 70);
    case Symbol::Help:
        return QColor(40, 140, 170);
    case Symbol::Exit:
        return QColor(180, 60, 60);
    case Symbol::Calendar:
        return QColor(200, 80, 60);
    case Symbol::Import:
        return QColor(210, 130, 30);
    case Symbol::Mail:
        return QColor(50, 110, 190);
    case Symbol::WhatsApp:
        return QColor(37, 168, 90);
    case Symbol::AlarmClock:
        return QColor(210, 90, 50);
    case Symbol::Attach:
        return QColor(110, 110, 130);
    case Symbol::Pdf:
        return QColor(200, 40, 40);
    case Symbol::Eraser:
        return QColor(205, 95, 125);
    case Symbol::Check:
        return QColor(40, 150, 110);
    case Symbol::Privacy:
        return QColor(120, 80, 160);
    case Symbol::Services:
        return QColor(30, 120, 150);
    case Symbol::Recontact:
        return QColor(200, 110, 40);
    case Symbol::Logo:
        return QColor(40, 130, 170);
    case Symbol::Repeat:
        return QColor(120, 90, 180);
    }
    return QColor(80, 120, 170);
}

} // namespace CardIcons
