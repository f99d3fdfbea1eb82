#pragma once
// Draws prepared pages on printers, PDF writers and images.
#include "reports/PreparedReport.h"

#include <QImage>

class QPainter;
class QPagedPaintDevice;

namespace ReportRenderer {

// Draws one page; the painter's coordinates must be the device's, with the
// paper's top-left corner at the origin, dpiX/dpiY device pixels per inch.
void paintPage(QPainter &painter, const PreparedReport &report, int index, double dpiX, double dpiY);

// Draws pages [from, to] (0-based, inclusive; all when to < 0) on a printer or
// PDF writer, one sheet each, with the paper and orientation of each page.
// False when the device cannot be painted on (for example a file that cannot
// be written).
bool render(const PreparedReport &report, QPagedPaintDevice *device, int from = 0, int to = -1);

// One page as a picture on white, at dpi pixels per inch.
QImage pageImage(const PreparedReport &report, int index, double dpi = 96);

} // namespace ReportRenderer
