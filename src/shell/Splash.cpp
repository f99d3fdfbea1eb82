#include "shell/Splash.h"

#include "ui/Artwork.h"
#include "shell/Product.h"

TfrmSplash::TfrmSplash(QWidget *parent)
    : AboutDialog(parent, QStringLiteral(" Tersalia"),
                  Artwork::banner(Artwork::Glyph::Credits, QStringLiteral("Tersalia"),
                                  {QStringLiteral("Software gestionale per imprese di pulizie."),
                                   QStringLiteral("Progetto, sviluppo e grafica: il gruppo di Tersalia."),
                                   QStringLiteral("Realizzato con Qt.")},
                                  QSize(480, 150)),
                  Artwork::icon(Artwork::Glyph::Web, 28, QColor(40, 140, 90)), QStringLiteral("imgWeb"),
                  Product::website(), Product::website()) {
    setObjectName(QStringLiteral("frmSplash"));
}
