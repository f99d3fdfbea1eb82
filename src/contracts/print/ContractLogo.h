#pragma once
// The company logo printed on every contract: the file "Logo.bmp" of the
// program folder, the default logo (a blue euro sign, 297x184) wherever that
// file is missing or unreadable, and the blank logo (2x2 white) that clears it.
// Its screen: contracts/print/Logo; printed by ContractPrint.
#include <QImage>
#include <QString>

namespace ContractLogo {

QString fileName(); // "Logo.bmp"
QSize designSize(); // 297x184, the size the logo screen asks for
// A logo is kept at most this many pixels on its long side: sharp in the
// contract's logo box, and a photo chosen as logo never becomes a bitmap of
// tens of megabytes in the shared folder.
constexpr int keptSide = 1200;
QImage defaultLogo();
QImage blankLogo();
// Logo.bmp, or the default logo when it cannot be read.
QImage current();
// The picture of a file the user chose, at the size a logo is kept; null when
// the file cannot be read as a picture.
QImage fromFile(const QString &fileName);
// Writes picture as Logo.bmp in BMP format whatever it was loaded from,
// reduced to the kept size; the
// earlier file is replaced only once the new one is complete. False when the
// file cannot be written (the earlier file is left as it was).
bool save(const QImage &picture);

} // namespace ContractLogo
