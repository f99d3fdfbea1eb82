#include "shell/Splash.h"

#include "ui/widgets/Artwork.h"
#include "shell/Product.h"

TfrmSplash::TfrmSplash(QWidget *parent)
    : AboutDialog(parent, QStringLiteral(" Tersalia"),
                  Artwork::credits(QStringLiteral("Tersalia"), QStringLiteral("Crediti"),
                                   {QStringLiteral("Software gestionale per imprese di pulizie"),
                                    QStringLiteral("Progetto, sviluppo e grafica: il gruppo di Tersalia"),
                                    QStringLiteral("Realizzato in C++ con Qt")},
                                   QSize(480, 260)),
                  Artwork::icon(Artwork::Glyph::Web, 28, QColor(40, 140, 90)), QStringLiteral("imgWeb"),
                  Product::website(), Product::website()) {
    setObjectName(QStringLiteral("frmSplash"));
}
