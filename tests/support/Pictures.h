#pragma once
// Picture files as users bring them: JPEGs and bitmaps of a given size, whole
// or cut short, made once per size and kept for the test program's life (a
// 48-megapixel photo takes a moment to encode).
#include <QByteArray>
#include <QColor>
#include <QSize>

namespace Pictures {

// A picture of that size: the colour with a darker band across the middle,
// so a cut or a stretch shows.
QByteArray jpeg(QSize size, QColor colour = QColor(40, 90, 200), bool progressive = false);
QByteArray bitmap(QSize size, QColor colour = QColor(40, 90, 200));
// The first part of a file, as a copy or download that stopped.
QByteArray cut(const QByteArray &file, double part = 0.6);
// A Qt Test data column "file" with the files a user may choose that are no
// picture to show: text, a JPEG and a bitmap cut short.
void addUnreadableRows();

} // namespace Pictures
