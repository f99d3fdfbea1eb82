#pragma once
// The employee's photo: a JPEG in the folder "Anagrafica" named after the
// employee's record number, and the placeholder picture shown when there is
// none (a pale blue head-and-shoulders silhouette, 307 by 394).
#include <QImage>
#include <QString>

namespace EmployeePhoto {

constexpr int width = 307;
constexpr int height = 394;

QImage placeholder();
// "Anagrafica/Scheda_Dipendente_<n>.jpg" under the program folder.
QString path(qint64 number);
// The stored photo of employee n, or the placeholder when the file is missing
// or is not a picture. Creates the folder when missing.
QImage load(qint64 number);
// Writes picture as the photo of employee n, replacing any earlier file;
// false when the folder cannot be made or the file cannot be written.
bool save(qint64 number, const QImage &picture);

} // namespace EmployeePhoto
