#include "shell/Avvio.h"

#include "core/text/Formats.h"
#include "shell/HelpTexts.h"
#include "shell/Application.h"
#include "shell/BackupOpening.h"
#include "ui/widgets/Artwork.h"
#include "ui/windows/Guida.h"
#include "shell/Info.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/windows/ModuleWindow.h"
#include "core/platform/OpenURL.h"
#include "shell/Product.h"
#include "ui/windows/Satellite.h"
#include "shell/Splash.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ModuleTile {
    const char *name;
    const char *label;
    Artwork::Glyph glyph;
    QColor color;
};

const ModuleTile kTiles[5] = {
    {"imgApp01", "ARCHIVIO DIPENDENTI E PRESTAZIONI", Artwork::Glyph::People, QColor(46, 112, 180)},
    {"imgApp02", "RIEPILOGO ORE DI LAVORO", Artwork::Glyph::Clock, QColor(52, 140, 110)},
    {"btnApp03", "CLIENTI E SERVIZI RICHIESTI", Artwork::Glyph::Clients, QColor(200, 120, 40)},
    {"imgApp04", "STESURA CONTRATTI PULIZIE", Artwork::Glyph::Contract, QColor(120, 80, 170)},
    {"imgApp05", "AGENDA INTERVENTI PROGRAMMATI", Artwork::Glyph::Agenda, QColor(190, 60, 70)},
};

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent) : QWidget(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Tersalia"));
    setMinimumSize(1000, 680);

    auto icon = [this](const char *name, Artwork::Glyph g, const QColor &c, const QString &tip) {
        auto *img = new ClickableImage(Artwork::icon(g, 44, c), this);
        img->setObjectName(QLatin1String(name));
        img->setToolTip(tip);
        return img;
    };
    imgInfo = icon("imgInfo", Artwork::Glyph::Info, QColor(40, 110, 190),
                   QStringLiteral("Informazioni su Tersalia"));
    imgGuida = icon("imgGuida", Artwork::Glyph::Help, QColor(40, 140, 90),
                    QStringLiteral("Guida all'utilizzo del software"));
    imgCrediti =
        icon("imgCrediti", Artwork::Glyph::Credits, QColor(220, 150, 30), QStringLiteral("Riconoscimenti"));
    imgEsci = icon("imgEsci", Artwork::Glyph::Exit, QColor(190, 50, 50), QStringLiteral("Esci da Tersalia"));
    imgSalvataggio =
        icon("imgSalvataggio", Artwork::Glyph::Backup, QColor(30, 130, 150),
             QStringLiteral("Copia di sicurezza degli archivi: crea una copia verificata dei dati o li "
                            "ripristina da una copia"));
    imgAndamento = icon("imgAndamento", Artwork::Glyph::Chart, QColor(40, 100, 150),
                        QStringLiteral("Andamento dell'anno: servizi fatturati, appuntamenti e ore di lavoro "
                                       "mese per mese"));
    imgAndamento->setEnabled(false);

    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("icoTitolo01"));
    title->setPixmap(Artwork::title(QSize(560, 96)));
    title->setAlignment(Qt::AlignCenter);
    auto *subtitle = new QLabel(this);
    subtitle->setObjectName(QStringLiteral("imgSottotitolo"));
    subtitle->setPixmap(Artwork::subtitle(
        QStringLiteral(
            "Il software per le imprese di pulizie: contratti di servizio, prestazioni dei dipendenti, "
            "clienti e agenda degli interventi"),
        QSize(900, 48)));
    subtitle->setAlignment(Qt::AlignCenter);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("btnApp01"));
    picture->setPixmap(Artwork::illustration(QSize(420, 420)));
    picture->setAlignment(Qt::AlignCenter);

    QToolButton **buttons[5] = {&imgApp01, &imgApp02, &btnApp03, &imgApp04, &imgApp05};
    auto *column = new QVBoxLayout;
    column->setSpacing(8); // the five tiles fit a laptop's screen
    for (int i = 0; i < 5; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(kTiles[i].name));
        b->setAutoRaise(true);
        b->setIconSize(QSize(440, 76));
        // The tile is the whole button: the pointer over it lights the tile up,
        // with no panel of the style drawn behind its rounded corners.
        b->setStyleSheet(
            QStringLiteral("QToolButton { border: none; background: transparent; padding: 0; }"));
        QIcon tile(Artwork::moduleTile(kTiles[i].glyph, QLatin1String(kTiles[i].label), QSize(440, 76),
                                       kTiles[i].color));
        tile.addPixmap(Artwork::moduleTile(kTiles[i].glyph, QLatin1String(kTiles[i].label), QSize(440, 76),
                                           kTiles[i].color.lighter(115)),
                       QIcon::Active);
        b->setIcon(tile);
        b->setCursor(Qt::PointingHandCursor);
        b->setEnabled(false);
        connect(b, &QToolButton::clicked, this, [this, i]() {
            if (m_modules[i])
                m_modules[i]->openModule();
        });
        *buttons[i] = b;
        column->addWidget(b);
    }

    imgSito = new ClickableImage(
        Artwork::subtitle(QStringLiteral("Tersalia - ") + Product::website(), QSize(420, 30)), this);
    imgSito->setObjectName(QStringLiteral("imgSito"));

    auto *top = new QHBoxLayout;
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addWidget(title, 1);
    top->addWidget(imgAndamento, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(imgSalvataggio, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(imgGuida, 0, Qt::AlignTop);
    auto *middle = new QHBoxLayout;
    middle->addStretch(1);
    middle->addWidget(picture);
    middle->addSpacing(40);
    middle->addLayout(column);
    middle->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imgCrediti);
    bottom->addStretch();
    bottom->addWidget(imgSito);
    bottom->addStretch();
    bottom->addWidget(imgEsci);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top);
    layout->addWidget(subtitle);
    layout->addStretch(1);
    layout->addLayout(middle);
    layout->addStretch(1);
    layout->addLayout(bottom);

    connect(imgInfo, &ClickableImage::clicked, this, [this]() { openSatellite<TfrmInfo>(this); });
    connect(imgCrediti, &ClickableImage::clicked, this, [this]() { openSatellite<TfrmSplash>(this); });
    connect(imgGuida, &ClickableImage::clicked, this,
            [this]() { TfrmGuida::showHelp(this, HelpTexts::mainHelp()); });
    connect(imgSalvataggio, &ClickableImage::clicked, this, [this]() { BackupOpening::openScreen(this); });
    connect(imgAndamento, &ClickableImage::clicked, this, [this]() {
        if (m_overview)
            m_overview->openModule();
    });
    connect(imgSito, &ClickableImage::clicked, this, []() { TMisc::Open(Product::website()); });
    connect(imgEsci, &ClickableImage::clicked, this, []() { Tersalia::terminate(); });
}

void TfrmAvvio::setModule(int slot, ModuleWindow *module) {
    if (slot < 1 || slot > 5)
        return;
    m_modules[slot - 1] = module;
    moduleButton(slot)->setEnabled(module != nullptr);
}

void TfrmAvvio::setOverview(ModuleWindow *overview) {
    m_overview = overview;
    imgAndamento->setEnabled(overview != nullptr);
}

QToolButton *TfrmAvvio::moduleButton(int slot) const {
    QToolButton *const buttons[5] = {imgApp01, imgApp02, btnApp03, imgApp04, imgApp05};
    return buttons[slot - 1];
}

void TfrmAvvio::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(70, 130, 180)); // steel blue
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

void TfrmAvvio::closeEvent(QCloseEvent *e) {
    // Closing the main menu ends the program, although the hidden login screen exists.
    e->accept();
    Tersalia::terminate();
}
