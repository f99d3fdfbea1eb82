#pragma once
// The photo's own file dialogs, shared by the employee card and the webcam
// screen: load a JPEG or bitmap picture, save a picture as a JPEG file.
#include <QImage>

class QWidget;

namespace PhotoFiles {

// Asks for a JPEG or bitmap file. Chosen and read: true, picture holds the
// file's picture at the size a photo is kept. Cancelled: false, picture
// untouched; a file that is no picture, or a cut one, is said so: false too.
bool open(QWidget *parent, QImage &picture);
// What open() says of a file it cannot read as a picture.
QString unreadableText(const QString &fileName);
// Asks where to save picture ("Foto.jpg" proposed) and writes it in the
// format of the chosen name's extension (JPEG for ".jpg"). A write that
// fails is said so, the picture staying where it was; false then.
bool saveAs(QWidget *parent, const QImage &picture);

} // namespace PhotoFiles
