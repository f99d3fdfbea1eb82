#include "ui/widgets/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace Artwork {
QPixmap transparent(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

void drawFramedPicture(QPainter &p, const QPointF &c, qreal u) {
    p.save();
    const QRectF frame(c.x() - 3.6 * u, c.y() - 2.8 * u, 7.2 * u, 5.6 * u);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 0.5 * u, 0.5 * u);
    const QColor fill = p.pen().color();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QPointF(c.x() + 1.7 * u, c.y() - 1.2 * u), 0.8 * u, 0.8 * u);
    QPainterPath hills;
    hills.moveTo(frame.left() + 0.5 * u, frame.bottom() - 0.5 * u);
    hills.lineTo(c.x() - 1.3 * u, c.y() - 0.6 * u);
    hills.lineTo(c.x() + 0.4 * u, c.y() + 1.0 * u);
    hills.lineTo(c.x() + 1.4 * u, c.y() + 0.2 * u);
    hills.lineTo(frame.right() - 0.5 * u, frame.bottom() - 0.5 * u);
    hills.closeSubpath();
    p.drawPath(hills);
    p.restore();
}

namespace {

// Draws the symbol in white inside rect.
void drawGlyph(QPainter &p, Glyph g, const QRectF &r) {
    p.save();
    const qreal u = r.width() / 10.0;
    QPen pen(Qt::white, u * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(u * 6));
    p.setFont(f);
    switch (g) {
    case Glyph::Padlock: {
        p.drawArc(QRectF(c.x() - 2 * u, r.top() + 1.2 * u, 4 * u, 5 * u), 0, 180 * 16);
        p.drawLine(QPointF(c.x() - 2 * u, r.top() + 3.7 * u), QPointF(c.x() - 2 * u, r.top() + 4.6 * u));
        p.drawLine(QPointF(c.x() + 2 * u, r.top() + 3.7 * u), QPointF(c.x() + 2 * u, r.top() + 4.6 * u));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(c.x() - 3 * u, r.top() + 4.6 * u, 6 * u, 4.2 * u), u * 0.6, u * 0.6);
        p.setPen(QPen(QColor(60, 90, 140), u * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x(), r.top() + 6.2 * u), QPointF(c.x(), r.top() + 7.3 * u));
        break;
    }
    case Glyph::Info:
        p.drawText(r, Qt::AlignCenter, QStringLiteral("i"));
        break;
    case Glyph::Help:
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Glyph::Exit:
        p.drawArc(QRectF(c.x() - 3 * u, c.y() - 2.6 * u, 6 * u, 6 * u), 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), c.y() - 3.4 * u), QPointF(c.x(), c.y() + 0.2 * u));
        break;
    case Glyph::Credits: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal rad = (i % 2 ? 1.6 : 3.6) * u, a = M_PI / 2 + i * M_PI / 5;
            const QPointF pt(c.x() + rad * std::cos(a), c.y() - rad * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(star);
        break;
    }
    case Glyph::Pdf:
        f.setPixelSize(int(u * 3));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    case Glyph::Mail:
        p.drawRect(QRectF(c.x() - 3.4 * u, c.y() - 2.2 * u, 6.8 * u, 4.4 * u));
        p.drawPolyline(QPolygonF({QPointF(c.x() - 3.4 * u, c.y() - 2.2 * u), QPointF(c.x(), c.y() + 0.6 * u),
                                  QPointF(c.x() + 3.4 * u, c.y() - 2.2 * u)}));
        break;
    case Glyph::Web:
        p.drawEllipse(c, 3.4 * u, 3.4 * u);
        p.drawEllipse(c, 1.5 * u, 3.4 * u);
        p.drawLine(QPointF(c.x() - 3.4 * u, c.y()), QPointF(c.x() + 3.4 * u, c.y()));
        break;
    case Glyph::People:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x(), c.y() - 1.6 * u), 1.6 * u, 1.6 * u);
        p.drawChord(QRectF(c.x() - 3.2 * u, c.y() + 0.6 * u, 6.4 * u, 5 * u), 0, 180 * 16);
        break;
    case Glyph::Clock:
        p.drawEllipse(c, 3.4 * u, 3.4 * u);
        p.drawLine(c, QPointF(c.x(), c.y() - 2.4 * u));
        p.drawLine(c, QPointF(c.x() + 1.8 * u, c.y() + 0.8 * u));
        break;
    case Glyph::Clients:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x() - 1.6 * u, c.y() - 1.4 * u), 1.3 * u, 1.3 * u);
        p.drawEllipse(QPointF(c.x() + 1.8 * u, c.y() - 1.0 * u), 1.1 * u, 1.1 * u);
        p.drawChord(QRectF(c.x() - 4 * u, c.y() + 0.4 * u, 4.8 * u, 4.4 * u), 0, 180 * 16);
        p.drawChord(QRectF(c.x() - 0.2 * u, c.y() + 0.6 * u, 4 * u, 3.8 * u), 0, 180 * 16);
        break;
    case Glyph::Contract:
        p.drawRect(QRectF(c.x() - 2.6 * u, c.y() - 3.4 * u, 5.2 * u, 6.8 * u));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(c.x() - 1.6 * u, c.y() - 2 * u + i * 1.3 * u),
                       QPointF(c.x() + 1.6 * u, c.y() - 2 * u + i * 1.3 * u));
        break;
    case Glyph::Agenda:
        p.drawRoundedRect(QRectF(c.x() - 3.2 * u, c.y() - 2.6 * u, 6.4 * u, 5.8 * u), u * 0.5, u * 0.5);
        p.drawLine(QPointF(c.x() - 3.2 * u, c.y() - 0.8 * u), QPointF(c.x() + 3.2 * u, c.y() - 0.8 * u));
        p.drawLine(QPointF(c.x() - 1.6 * u, c.y() - 3.4 * u), QPointF(c.x() - 1.6 * u, c.y() - 1.8 * u));
        p.drawLine(QPointF(c.x() + 1.6 * u, c.y() - 3.4 * u), QPointF(c.x() + 1.6 * u, c.y() - 1.8 * u));
        break;
    case Glyph::Magnifier:
        p.drawEllipse(QPointF(c.x() - 0.8 * u, c.y() - 0.8 * u), 2.4 * u, 2.4 * u);
        p.setPen(QPen(Qt::white, u * 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + 0.9 * u, c.y() + 0.9 * u), QPointF(c.x() + 3.2 * u, c.y() + 3.2 * u));
        break;
    case Glyph::Backup:
        // An arrow going down into a storage box.
        p.drawRoundedRect(QRectF(c.x() - 3.2 * u, c.y() + 0.4 * u, 6.4 * u, 3 * u), u * 0.5, u * 0.5);
        p.drawLine(QPointF(c.x() - 1.2 * u, c.y() + 1.9 * u), QPointF(c.x() + 1.2 * u, c.y() + 1.9 * u));
        p.drawLine(QPointF(c.x(), c.y() - 3.6 * u), QPointF(c.x(), c.y() - 0.6 * u));
        p.drawPolyline(QPolygonF({QPointF(c.x() - 1.5 * u, c.y() - 2.1 * u), QPointF(c.x(), c.y() - 0.6 * u),
                                  QPointF(c.x() + 1.5 * u, c.y() - 2.1 * u)}));
        break;
    case Glyph::Chart: {
        // Three rising bars on a base line, apart enough to read at a small size.
        p.setPen(QPen(Qt::white, u * 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - 3.4 * u, c.y() + 3.1 * u), QPointF(c.x() + 3.4 * u, c.y() + 3.1 * u));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const qreal heights[3] = {2.2, 3.8, 5.4};
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(c.x() - 2.9 * u + i * 2.2 * u, c.y() + 2.6 * u - heights[i] * u, 1.4 * u,
                                     heights[i] * u),
                              u * 0.2, u * 0.2);
        break;
    }
    case Glyph::Logo:
        drawFramedPicture(p, c, u);
        break;
    case Glyph::Cleaning: {
        // A spray bottle with three drops.
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(c.x() - 2 * u, c.y() - 0.5 * u, 4 * u, 4.2 * u), u * 0.8, u * 0.8);
        p.drawRect(QRectF(c.x() - 1 * u, c.y() - 2.2 * u, 2 * u, 1.7 * u));
        p.drawLine(QPointF(c.x() + 1 * u, c.y() - 2 * u), QPointF(c.x() + 2.6 * u, c.y() - 2.4 * u));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(c.x() + 3.4 * u, c.y() - 3.4 * u + i * 1.0 * u), u * 0.25, u * 0.25);
        break;
    }
    }
    p.restore();
}

void disc(QPainter &p, const QRectF &r, const QColor &color) {
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
    g.setColorAt(0, color.lighter(150));
    g.setColorAt(1, color.darker(115));
    p.setPen(QPen(color.darker(140), 1));
    p.setBrush(g);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
}

} // namespace

QPixmap icon(Glyph glyph, int size, const QColor &color) {
    QPixmap pm = transparent(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    disc(p, QRectF(0, 0, size, size), color);
    drawGlyph(p, glyph, QRectF(0, 0, size, size));
    return pm;
}

QPixmap banner(Glyph glyph, const QString &titleText, const QStringList &lines, QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(34, 74, 130));
    bg.setColorAt(1, QColor(96, 150, 205));
    p.fillRect(pm.rect(), bg);
    const int s = size.height() - 24;
    disc(p, QRectF(12, 12, s, s), QColor(240, 170, 40));
    drawGlyph(p, glyph, QRectF(12, 12, s, s));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(Qt::white);
    const int x = s + 30;
    p.drawText(QRect(x, 8, size.width() - x - 10, 34), Qt::AlignLeft | Qt::AlignVCenter, titleText);
    f.setBold(false);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRect(x, 44, size.width() - x - 10, size.height() - 48), Qt::AlignLeft | Qt::TextWordWrap,
               lines.join(QLatin1Char('\n')));
    return pm;
}

QPixmap credits(const QString &product, const QString &heading, const QStringList &lines, QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(14, 26, 58));
    sky.setColorAt(1, QColor(44, 70, 120));
    p.fillRect(pm.rect(), sky);
    // A ribbon of small stars across the top, larger towards the middle.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 23; ++i) {
        const qreal x = size.width() * (i + 0.5) / 23.0;
        const qreal y = 14 + 8 * std::sin(i * 0.9);
        const qreal r = 1.2 + 2.2 * (1 - std::abs(i - 11) / 11.0);
        p.setBrush(QColor(255, 230, 150, 120 + int(120 * (1 - std::abs(i - 11) / 11.0))));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    const int star = 44;
    disc(p, QRectF(size.width() / 2.0 - star / 2.0, 30, star, star), QColor(240, 170, 40));
    drawGlyph(p, Glyph::Credits, QRectF(size.width() / 2.0 - star / 2.0, 30, star, star));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(30);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(f);
    p.setPen(Qt::white);
    const int titleTop = 30 + star + 6;
    p.drawText(QRect(0, titleTop, size.width(), 36), Qt::AlignCenter, product.toUpper());
    f.setPixelSize(13);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(f);
    p.setPen(QColor(255, 210, 120));
    p.drawText(QRect(0, titleTop + 38, size.width(), 20), Qt::AlignCenter, heading.toUpper());
    p.setPen(QPen(QColor(255, 210, 120, 140), 1));
    p.drawLine(QPointF(size.width() * 0.3, titleTop + 60.5), QPointF(size.width() * 0.7, titleTop + 60.5));
    f.setBold(false);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(QColor(225, 232, 245));
    p.drawText(QRect(20, titleTop + 68, size.width() - 40, size.height() - titleTop - 72),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
    return pm;
}

QPixmap moduleTile(Glyph glyph, const QString &label, QSize size, const QColor &color) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, size.width() - 4, size.height() - 4);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, color.lighter(135));
    g.setColorAt(0.5, color);
    g.setColorAt(1, color.darker(125));
    p.setPen(QPen(color.darker(160), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 12, 12);
    // Gloss on the upper half.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(r.left() + 3, r.top() + 3, r.width() - 6, r.height() / 2 - 3), 10, 10);
    const qreal s = r.height() - 20;
    disc(p, QRectF(r.left() + 10, r.top() + 10, s, s), color.darker(130));
    drawGlyph(p, glyph, QRectF(r.left() + 10, r.top() + 10, s, s));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(int(std::min<qreal>(r.height() / 3.4, 20)));
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 90));
    const QRectF text(r.left() + s + 24, r.top(), r.width() - s - 32, r.height());
    p.drawText(text.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, label);
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, label);
    return pm;
}

QPixmap title(QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(int(size.height() * 0.72));
    p.setFont(f);
    QPainterPath path;
    path.addText(0, 0, f, QStringLiteral("Tersalia"));
    const QRectF br = path.boundingRect();
    path.translate((size.width() - br.width()) / 2 - br.left(), (size.height() - br.height()) / 2 - br.top());
    p.setPen(QPen(QColor(10, 40, 90, 120), 6));
    p.drawPath(path.translated(3, 3));
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(190, 220, 250));
    p.setPen(QPen(QColor(20, 60, 120), 2));
    p.setBrush(g);
    p.drawPath(path);
    return pm;
}

QPixmap subtitle(const QString &text, QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 55, 105, 200));
    p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), size.height() / 2.0, size.height() / 2.0);
    QFont f(QStringLiteral("Arial"));
    f.setItalic(true);
    f.setPixelSize(int(size.height() * 0.36));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(QPoint(0, 0), size).adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pm;
}

QPixmap illustration(QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // A tidy office building with shining windows, a bucket and a broom.
    QLinearGradient wall(0, 0, w, 0);
    wall.setColorAt(0, QColor(225, 235, 245));
    wall.setColorAt(1, QColor(180, 200, 225));
    p.setPen(QPen(QColor(70, 100, 140), 2));
    p.setBrush(wall);
    const QRectF building(w * 0.18, h * 0.12, w * 0.64, h * 0.72);
    p.drawRect(building);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF win(building.left() + building.width() * (0.1 + col * 0.3),
                             building.top() + building.height() * (0.06 + row * 0.17), building.width() * 0.2,
                             building.height() * 0.11);
            QLinearGradient glass(win.topLeft(), win.bottomRight());
            glass.setColorAt(0, QColor(150, 200, 240));
            glass.setColorAt(0.5, QColor(240, 250, 255));
            glass.setColorAt(1, QColor(110, 170, 220));
            p.setBrush(glass);
            p.drawRect(win);
        }
    p.setBrush(QColor(120, 90, 60));
    p.drawRect(QRectF(w * 0.44, h * 0.72, w * 0.12, h * 0.12));
    // Sparkles
    p.setPen(QPen(QColor(255, 230, 120), 2));
    for (const QPointF &s :
         {QPointF(w * 0.1, h * 0.2), QPointF(w * 0.9, h * 0.3), QPointF(w * 0.86, h * 0.08)}) {
        p.drawLine(s - QPointF(8, 0), s + QPointF(8, 0));
        p.drawLine(s - QPointF(0, 8), s + QPointF(0, 8));
    }
    // Bucket and broom
    p.setPen(QPen(QColor(30, 60, 110), 2));
    p.setBrush(QColor(240, 170, 40));
    QPolygonF bucket({QPointF(w * 0.06, h * 0.8), QPointF(w * 0.2, h * 0.8), QPointF(w * 0.18, h * 0.95),
                      QPointF(w * 0.08, h * 0.95)});
    p.drawPolygon(bucket);
    p.setPen(QPen(QColor(140, 90, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.92, h * 0.55), QPointF(w * 0.84, h * 0.9));
    p.setPen(QPen(QColor(30, 60, 110), 2));
    p.setBrush(QColor(230, 200, 90));
    p.drawPolygon(QPolygonF({QPointF(w * 0.8, h * 0.88), QPointF(w * 0.88, h * 0.9),
                             QPointF(w * 0.86, h * 0.98), QPointF(w * 0.74, h * 0.96)}));
    return pm;
}

} // namespace Artwork
