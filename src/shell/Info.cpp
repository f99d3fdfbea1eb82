#include "shell/Info.h"

#include "ui/widgets/Artwork.h"
#include "shell/Product.h"

TfrmInfo::TfrmInfo(QWidget *parent)
    : AboutDialog(parent, QStringLiteral(" Informazioni su Tersalia"),
                  Artwork::banner(Artwork::Glyph::Cleaning, QStringLiteral("Tersalia"),
                                  {QStringLiteral("Gestione di imprese di pulizie: contratti, dipendenti,"),
                                   QStringLiteral("clienti e agenda degli interventi."),
                                   QStringLiteral("Per assistenza scrivere all'indirizzo qui sotto.")},
                                  QSize(480, 150)),
                  Artwork::icon(Artwork::Glyph::Mail, 28, QColor(40, 110, 190)), QStringLiteral("imgEmail"),
                  Product::supportMail(),
                  QStringLiteral("\"mailto:") + Product::supportMail() + QStringLiteral("\"")) {
    setObjectName(QStringLiteral("frmInfo"));
}
