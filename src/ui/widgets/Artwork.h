#pragma once
// The program's own artwork, painted at run time so it stays sharp at any size.
#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

namespace Artwork {

enum class Glyph {
    Padlock,
    Info,
    Help,
    Exit,
    Credits,
    Pdf,
    Mail,
    Web,
    People,
    Clock,
    Clients,
    Contract,
    Agenda,
    Cleaning,
    Magnifier,
    Backup,
    Chart, // the year's overview: three rising bars and a trend line
    Logo   // the company's logo: a framed picture
};

// A framed picture (two hills and a sun) around centre, in units of a tenth
// of the symbol's size, outlined with the painter's pen: the logo's symbol
// wherever the logo is set.
void drawFramedPicture(QPainter &p, const QPointF &centre, qreal unit);
// An empty, transparent canvas to paint artwork on.
QPixmap transparent(QSize size);
// A rounded symbol on a coloured disc.
QPixmap icon(Glyph glyph, int size, const QColor &color);
// A banner with a large symbol, a title and a few lines of text (login screens).
QPixmap banner(Glyph glyph, const QString &title, const QStringList &lines, QSize size);
// The credits picture: the product's name over a night-blue sky with a
// ribbon of stars, and the credit lines centred under a heading, as a film's
// credits roll.
QPixmap credits(const QString &product, const QString &heading, const QStringList &lines, QSize size);
// A module button of the main menu: the label painted on a glossy tile.
QPixmap moduleTile(Glyph glyph, const QString &label, QSize size, const QColor &color);
// The product title and the subtitle band of the main menu.
QPixmap title(QSize size);
QPixmap subtitle(const QString &text, QSize size);
// The large illustration on the left of the main menu.
QPixmap illustration(QSize size);

} // namespace Artwork
