#pragma once
// The company logo printed on every contract: the file "Logo.bmp" of the
// program folder, the default logo (a blue euro sign, 297x184) wherever that
// file is missing or unreadable, and the blank logo (2x2 white) that clears it.
#include <QImage>
#include <QString>

namespace ContractLogo {

QString fileName(); // "Logo.bmp"
QSize designSize(); // 297x184, the size the logo screen asks for
QImage defaultLogo();
QImage blankLogo();
// Logo.bmp, or the default logo when it cannot be read.
QImage current();
// Writes picture as Logo.bmp in BMP format whatever it was loaded from; the
// earlier file is replaced only once the new one is complete. False when the
// file cannot be written (the earlier file is left as it was).
bool save(const QImage &picture);

} // namespace ContractLogo
