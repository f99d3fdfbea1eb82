#include "Pictures.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

namespace Pictures {
namespace {

QByteArray encode(QSize size, QColor colour, const char *format, bool progressive) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(0, size.height() / 3, size.width(), size.height() / 3, colour.darker(300));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (progressive)
        writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

QByteArray cached(QSize size, QColor colour, const char *format, bool progressive) {
    static QHash<QString, QByteArray> made;
    const QString key = QStringLiteral("%1x%2 %3 %4 %5")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(colour.name(), QLatin1String(format))
                            .arg(progressive);
    auto it = made.find(key);
    if (it == made.end())
        it = made.insert(key, encode(size, colour, format, progressive));
    return *it;
}

} // namespace

QByteArray jpeg(QSize size, QColor colour, bool progressive) {
    return cached(size, colour, "jpg", progressive);
}
QByteArray bitmap(QSize size, QColor colour) { return cached(size, colour, "bmp", false); }
QByteArray cut(const QByteArray &file, double part) { return file.left(qsizetype(file.size() * part)); }

void addUnreadableRows() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no picture") << QByteArray("this is no picture");
    QTest::newRow("JPEG cut short") << cut(jpeg({640, 480}));
    QTest::newRow("bitmap cut short") << cut(bitmap({640, 480}));
}

} // namespace Pictures
