#include "contracts/print/ContractLogo.h"

#include "core/files/PictureFile.h"
#include "core/files/WholeFileWriter.h"
#include "core/platform/ProgramFolder.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ContractLogo {

QString fileName() { return QStringLiteral("Logo.bmp"); }

QSize designSize() { return {297, 184}; }

// A blue euro sign on white, drawn as a shape so it looks the same whatever
// fonts the machine has.
QImage defaultLogo() {
    QImage image(designSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(148.5, 92);
    const double r = 70;

    // The ring: a circle open on the right.
    QPainterPath ring;
    const QRectF outer(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    const double t = 22; // stroke thickness
    const QRectF inner = outer.adjusted(t, t, -t, -t);
    ring.arcMoveTo(outer, 45);
    ring.arcTo(outer, 45, 270);
    ring.arcTo(inner, 315, -270);
    ring.closeSubpath();

    // The two bars across the left of the ring.
    QPainterPath bars;
    const double left = centre.x() - r - 26, barLength = r + 46, barHeight = 14;
    bars.addRect(QRectF(left, centre.y() - 24 - barHeight / 2, barLength, barHeight));
    bars.addRect(QRectF(left, centre.y() + 18 - barHeight / 2, barLength - 8, barHeight));

    QLinearGradient blue(0, centre.y() - r, 0, centre.y() + r);
    blue.setColorAt(0, QColor(70, 140, 230));
    blue.setColorAt(1, QColor(18, 60, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPath(ring.united(bars));
    return image;
}

QImage blankLogo() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage current() {
    const QImage image = fromFile(ProgramFolder::file(fileName()));
    return image.isNull() ? defaultLogo() : image;
}

QImage fromFile(const QString &fileName) { return PictureFile::read(fileName, keptSide); }

bool save(const QImage &picture) {
    if (picture.isNull())
        return false;
    // The earlier logo is replaced only by a whole one.
    WholeFileWriter file(ProgramFolder::file(fileName()));
    if (!file.open())
        return false;
    const QImage kept = PictureFile::fitted(picture, keptSide);
    const QImage opaque = kept.hasAlphaChannel() ? kept.convertToFormat(QImage::Format_RGB32) : kept;
    QImageWriter writer(&file.device(), "bmp");
    return writer.write(opaque) && file.commit();
}

} // namespace ContractLogo
