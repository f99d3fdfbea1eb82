#pragma once
// Pictures users bring (phone and camera JPEGs of any size, bitmaps) read at
// the size the program keeps, so a 48-megapixel photo loads without holding
// its full size in memory.
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace PictureFile {

// The picture in the file, its long side reduced to at most maxSide pixels
// (proportions kept, a smaller picture left as it is) and turned upright as
// the camera recorded. A null image when the file is missing, is no picture
// or ends before its picture does.
QImage read(const QString &path, int maxSide);
// picture reduced as read() reduces it.
QImage fitted(const QImage &picture, int maxSide);
// False for a JPEG or bitmap whose bytes stop before the picture's end (a cut
// copy or download, which the decoders would show with a grey or black
// band); true for whole files and for other formats.
bool isWhole(QByteArrayView bytes);

} // namespace PictureFile
