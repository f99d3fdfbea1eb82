#include "appointments/agenda/AgendaArt.h"

#include "ui/widgets/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace AgendaArt {
QPixmap speechBubble(const QString &text, const QColor &color, QSize size) {
    QPixmap pm = Artwork::transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height(), tail = h * 0.22;
    const QRectF body(2, 2, w - 4, h - tail - 4);
    QPainterPath bubble;
    bubble.addRoundedRect(body, body.height() / 2.4, body.height() / 2.4);
    QPainterPath pointer;
    pointer.moveTo(body.right() - w * 0.26, body.bottom() - 4);
    pointer.lineTo(body.right() - w * 0.06, h - 2);
    pointer.lineTo(body.right() - w * 0.14, body.bottom() - 4);
    pointer.closeSubpath();
    bubble = bubble.united(pointer);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, color.lighter(170));
    g.setColorAt(1, color.lighter(120));
    p.setPen(QPen(color.darker(150), 2));
    p.setBrush(g);
    p.drawPath(bubble);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(int(body.height() * 0.32));
    p.setFont(f);
    p.setPen(color.darker(220));
    p.drawText(body.adjusted(10, 0, -10, 0), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pm;
}

QPixmap person(bool alert, QSize size) {
    QPixmap pm = Artwork::transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height(), u = std::min(w, h) / 10.0;
    const QPointF c(w / 2, h / 2);
    const QColor skin(240, 200, 165), shirt = alert ? QColor(215, 80, 60) : QColor(70, 140, 90);
    const QColor outline(60, 50, 45);
    p.setPen(QPen(outline, u * 0.18));
    // Body: a rounded shirt.
    QPainterPath body;
    body.addRoundedRect(QRectF(c.x() - 2.4 * u, c.y() - 0.4 * u, 4.8 * u, 5.0 * u), 1.6 * u, 1.6 * u);
    p.setBrush(shirt);
    p.drawPath(body);
    // Arms: one raised when there is something to say.
    QPen arm(shirt.darker(115), u * 0.9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(arm);
    p.drawLine(QPointF(c.x() - 2.2 * u, c.y() + 0.6 * u), QPointF(c.x() - 3.0 * u, c.y() + 3.2 * u));
    if (alert)
        p.drawLine(QPointF(c.x() + 2.2 * u, c.y() + 0.6 * u), QPointF(c.x() + 3.6 * u, c.y() - 2.6 * u));
    else
        p.drawLine(QPointF(c.x() + 2.2 * u, c.y() + 0.6 * u), QPointF(c.x() + 3.0 * u, c.y() + 3.2 * u));
    // Head, hair, eyes and mouth.
    p.setPen(QPen(outline, u * 0.18));
    p.setBrush(skin);
    const QPointF head(c.x(), c.y() - 2.3 * u);
    p.drawEllipse(head, 1.7 * u, 1.8 * u);
    p.setBrush(alert ? QColor(90, 60, 40) : QColor(200, 160, 60));
    p.drawChord(QRectF(head.x() - 1.75 * u, head.y() - 1.9 * u, 3.5 * u, 2.6 * u), 0, 180 * 16);
    p.setBrush(outline);
    p.drawEllipse(QPointF(head.x() - 0.6 * u, head.y() + 0.1 * u), 0.15 * u, 0.18 * u);
    p.drawEllipse(QPointF(head.x() + 0.6 * u, head.y() + 0.1 * u), 0.15 * u, 0.18 * u);
    p.setBrush(Qt::NoBrush);
    const QRectF mouth(head.x() - 0.7 * u, head.y() + 0.3 * u, 1.4 * u, 0.9 * u);
    if (alert)
        p.drawEllipse(QRectF(head.x() - 0.3 * u, head.y() + 0.65 * u, 0.6 * u, 0.55 * u)); // "oh!"
    else
        p.drawArc(mouth, 200 * 16, 140 * 16); // a calm smile
    if (alert) {
        // An exclamation mark beside the raised hand.
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPixelSize(int(2.6 * u));
        p.setFont(f);
        p.setPen(QColor(220, 40, 30));
        p.drawText(QRectF(c.x() + 3.6 * u, c.y() - 4.8 * u, 1.4 * u, 3 * u), Qt::AlignCenter,
                   QStringLiteral("!"));
    }
    return pm;
}

QPixmap instruction(QSize size) {
    QPixmap pm = Artwork::transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(QColor(110, 150, 190), 1.5));
    p.setBrush(QColor(250, 252, 255, 230));
    p.drawRoundedRect(r, 8, 8);
    // A calendar leaf with a pointing arrow.
    const qreal s = std::min(r.height() - 20, 56.0);
    const QRectF leaf(r.left() + 12, r.center().y() - s / 2, s, s);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(190, 60, 70), 2));
    p.drawRoundedRect(leaf, 5, 5);
    p.setBrush(QColor(190, 60, 70));
    p.drawRect(QRectF(leaf.left(), leaf.top(), leaf.width(), leaf.height() * 0.26));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(int(s * 0.42));
    p.setFont(f);
    p.setPen(QColor(190, 60, 70));
    p.drawText(leaf.adjusted(0, leaf.height() * 0.26, 0, 0), Qt::AlignCenter, QStringLiteral("31"));
    f.setBold(false);
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(QColor(30, 60, 100));
    p.drawText(r.adjusted(s + 26, 8, -10, -8), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Seleziona una data nel calendario e usa i pulsanti qui sotto per vedere gli "
                              "appuntamenti del giorno o del mese dell'anno."));
    return pm;
}

} // namespace AgendaArt
