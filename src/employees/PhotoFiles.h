#pragma once
// The photo's own file dialogs, shared by the employee card and the webcam
// screen: load a JPEG or bitmap picture, save a picture as a JPEG file.
#include <QImage>

class QWidget;

namespace PhotoFiles {

// Asks for a JPEG or bitmap file. Cancelled: false, picture untouched.
// Chosen: true, picture holds the file's picture (null when it is not one).
bool open(QWidget *parent, QImage &picture);
// Asks where to save picture ("Foto.jpg" proposed) and writes it in the
// format of the chosen name's extension (JPEG for ".jpg"). A write that
// fails is said so, the picture staying where it was; false then.
bool saveAs(QWidget *parent, const QImage &picture);

} // namespace PhotoFiles
