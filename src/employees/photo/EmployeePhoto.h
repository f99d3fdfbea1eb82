#pragma once
// The employee's photo: a JPEG in the folder "Anagrafica" named after the
// employee's record number, and the placeholder picture shown when there is
// none (a pale blue head-and-shoulders silhouette, 307 by 394).
// Its screens: employees/card/Dipendenti, Zoom and Slideshow_Dipendenti.
#include <QImage>
#include <QString>

namespace EmployeePhoto {

constexpr int width = 307;
constexpr int height = 394;
// A photo is kept at most this many pixels on its long side: plenty for the
// frame, the zoom and the print, and a phone's 48-megapixel picture stays a
// small file in the shared folder.
constexpr int keptSide = 1600;

QImage placeholder();
// "Anagrafica/Scheda_Dipendente_<n>.jpg" under the program folder.
QString path(qint64 number);
// The stored photo of employee n, or the placeholder when the file is missing
// or is not a picture (then *unreadable is set). Creates the folder when missing.
QImage load(qint64 number, bool *unreadable = nullptr);
// The picture of a file the user chose, at the size a photo is kept; null when
// the file cannot be read as a picture.
QImage fromFile(const QString &fileName);
// Writes picture as the photo of employee n (reduced to the kept size),
// replacing any earlier file;
// false when the folder cannot be made or the file cannot be written.
bool save(qint64 number, const QImage &picture);

} // namespace EmployeePhoto
