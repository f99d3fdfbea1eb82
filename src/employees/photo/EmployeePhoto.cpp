#include "employees/photo/EmployeePhoto.h"

#include "core/files/PictureFile.h"
#include "core/files/WholeFileWriter.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace EmployeePhoto {
namespace {
QString folder() { return ProgramFolder::file(QStringLiteral("Anagrafica")); }

bool makeFolder() { return QDir().mkpath(folder()) && QFileInfo(folder()).isDir(); }
} // namespace

QImage placeholder() {
    static const QImage picture = []() {
        QImage img(width, height, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, height);
        sky.setColorAt(0, QColor(246, 250, 255));
        sky.setColorAt(1, QColor(222, 234, 247));
        p.fillRect(img.rect(), sky);
        const QColor figure(168, 200, 232);
        p.setPen(Qt::NoPen);
        p.setBrush(figure);
        // Shoulders and chest, rounded at the top, running off the bottom edge.
        QPainterPath body;
        body.moveTo(22, height);
        body.cubicTo(22, 300, 60, 262, 118, 252);
        body.lineTo(189, 252);
        body.cubicTo(247, 262, 285, 300, 285, height);
        body.closeSubpath();
        p.drawPath(body);
        // Neck and head.
        p.drawRoundedRect(QRectF(130, 200, 47, 62), 16, 16);
        p.drawEllipse(QRectF(93, 82, 121, 146));
        // A lighter collar line gives the shoulders some shape.
        p.setPen(QPen(QColor(196, 218, 240), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(118, 228, 71, 48), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(135, 175, 215), 2));
        p.drawRect(QRectF(1, 1, width - 2, height - 2));
        return img;
    }();
    return picture;
}

QString path(qint64 number) { return folder() + QStringLiteral("/Scheda_Dipendente_%1.jpg").arg(number); }

QImage load(qint64 number, bool *unreadable) {
    makeFolder();
    const QImage picture = fromFile(path(number));
    if (unreadable)
        *unreadable = picture.isNull() && QFileInfo::exists(path(number));
    return picture.isNull() ? placeholder() : picture;
}

QImage fromFile(const QString &fileName) { return PictureFile::read(fileName, keptSide); }

bool save(qint64 number, const QImage &picture) {
    if (picture.isNull() || !makeFolder())
        return false;
    // The earlier photo is replaced only by a whole one.
    WholeFileWriter file(path(number));
    if (!file.open())
        return false;
    QImageWriter writer(&file.device(), "jpg");
    return writer.write(PictureFile::fitted(picture, keptSide)) && file.commit();
}

} // namespace EmployeePhoto
