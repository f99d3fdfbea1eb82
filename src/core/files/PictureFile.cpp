#include "core/files/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>

namespace PictureFile {
namespace {

uchar at(QByteArrayView b, qsizetype i) { return uchar(b[i]); }

// Walks the JPEG's segments, and the coded data of each scan, to the
// end-of-picture marker. Bytes between segments are skipped, as decoders do.
bool jpegWhole(QByteArrayView b) {
    qsizetype i = 2;
    const qsizetype n = b.size();
    while (i + 1 < n) {
        if (at(b, i) != 0xFF) {
            ++i;
            continue;
        }
        const uchar marker = at(b, i + 1);
        if (marker == 0xFF) { // fill byte before a marker
            ++i;
            continue;
        }
        i += 2;
        if (marker == 0xD9) // end of picture
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x00)
            continue; // markers without a length
        if (i + 1 >= n)
            return false;
        const int length = (at(b, i) << 8) | at(b, i + 1);
        if (length < 2)
            return false;
        i += length;
        if (marker != 0xDA)
            continue;
        // A scan's coded data runs to the next marker: 0xFF followed by
        // anything but a stuffed 0x00 or a restart marker.
        while (i + 1 < n) {
            const char *from = b.data() + i;
            const char *ff = std::find(from, b.data() + n, char(0xFF));
            i += ff - from;
            if (i + 1 >= n)
                return false;
            const uchar next = at(b, i + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                i += 2;
            else
                break;
        }
    }
    return false;
}

// A bitmap holds its pixel rows from its data offset on: the file must be as
// long as its header says they are.
bool bitmapWhole(QByteArrayView b) {
    if (b.size() < 26)
        return false;
    auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(b.data() + i); };
    auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(b.data() + i); };
    const qint64 dataOffset = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) { // the old OS/2 header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (b.size() < 38)
            return false;
        width = qint32(u32(18));
        height = qint32(u32(22));
        bits = u16(28);
        compression = u32(30);
        imageSize = u32(34);
    }
    qint64 needed = 0;
    if (compression == 0 || compression == 3 || compression == 6) // rows as they are
        needed = (std::abs(width) * bits + 31) / 32 * 4 * std::abs(height);
    else
        needed = imageSize; // run-length coded: the header gives the size
    return dataOffset + needed <= b.size();
}

// The decoders refuse a picture larger than Qt's allocation limit; one that
// cannot be decoded at a reduced size (a bitmap) is let through up to what a
// 48-megapixel picture needs, while it is read.
class AllocationRoom {
public:
    explicit AllocationRoom(int megabytes) : m_before(QImageReader::allocationLimit()) {
        if (m_before > 0 && megabytes > m_before)
            QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationRoom() { QImageReader::setAllocationLimit(m_before); }

private:
    int m_before;
};

} // namespace

bool isWhole(QByteArrayView bytes) {
    if (bytes.size() >= 2 && at(bytes, 0) == 0xFF && at(bytes, 1) == 0xD8)
        return jpegWhole(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return bitmapWhole(bytes);
    return true;
}

QImage fitted(const QImage &picture, int maxSide) {
    if (picture.width() <= maxSide && picture.height() <= maxSide)
        return picture;
    return picture.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage read(const QString &path, int maxSide) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    file.close();
    if (!isWhole(bytes))
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxSide || size.height() > maxSide))
        reader.setScaledSize(size.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    const AllocationRoom room(reader.supportsOption(QImageIOHandler::ScaledSize) ? 0 : 256);
    // A format that reduces after decoding (bitmaps) comes out smooth too.
    return fitted(reader.read(), maxSide);
}

} // namespace PictureFile
