#include "ui/card/CardParts.h"

#include "ui/card/CardIcons.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kStrip = 30; // height of a band's title strip
}

namespace CardParts {

QString styleSheet() {
    return QStringLiteral(
        "QLineEdit, QComboBox { background: #f4f9ff; border: 1px solid #8fb8d8; border-radius: 3px;"
        "  padding: 3px 5px; min-height: 20px; color: #10243c; }"
        "QLineEdit:focus, QComboBox:focus { background: #fffbe0; border-color: #d9a400; }"
        // The list button drawn inside the field's own frame, never a frame of its own.
        "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
        "  width: 18px; border: none; border-left: 1px solid #c5d9ea; }"
        "QComboBox::down-arrow { image: url(:/resources/images/listarrow.png); width: 10px; height: 6px; }"
        "QLineEdit[readOnly=\"true\"] { background: #eef3f8; }"
        "QLabel[role=\"caption\"] { color: #1d3e63; font-weight: 600; }"
        "QLabel#panInfo { background: #fdfdf6; border: 1px solid #b9c6d3; border-radius: 3px;"
        "  padding: 4px 10px; color: #2b4a6d; font-style: italic; }"
        "QLabel#lblPosizione { background: white; border: 1px solid #8fb8d8; border-radius: 3px;"
        "  color: #10243c; font-weight: bold; qproperty-alignment: AlignCenter; }"
        "QToolButton[role=\"command\"] { text-align: left; padding: 4px 10px; border: 1px solid #b4c8dc;"
        "  border-radius: 5px; color: #18385c; font-weight: 600;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e2ecf6); }"
        "QToolButton[role=\"command\"]:hover { border-color: #4a86c0;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cfe2f5); }"
        "QToolButton[role=\"command\"]:pressed { background: #bcd5ee; }"
        "QToolButton[role=\"command\"]:disabled { color: #9aa8b6; border-color: #d5dde5; background: "
        "#f1f4f7; }"
        "QToolButton[role=\"icon\"] { border: none; background: transparent; }"
        "QToolButton[role=\"icon\"]:hover { background: rgba(74, 134, 192, 40); border-radius: 4px; }"
        "QCheckBox { color: #1d3e63; font-weight: 600; }");
}

QToolButton *command(QWidget *parent, const char *name, const QString &label, const QIcon &icon) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setProperty("role", QStringLiteral("command"));
    b->setText(label);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(38);
    b->setFocusPolicy(Qt::NoFocus); // like a picture: the field being edited keeps the focus
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QToolButton *iconButton(QWidget *parent, const char *name, const QIcon &icon, int size) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setProperty("role", QStringLiteral("icon"));
    b->setIcon(icon);
    b->setIconSize(QSize(size - 4, size - 4));
    b->setFixedSize(size, size);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QLabel *caption(const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setProperty("role", QStringLiteral("caption"));
    return l;
}

QLabel *hintPanel(QWidget *parent, const QString &designText) {
    auto *l = new QLabel(designText, parent);
    l->setObjectName(QStringLiteral("panInfo"));
    l->setMinimumHeight(30);
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return l;
}

Navigation navigationRow(QWidget *parent) {
    Navigation nav;
    auto *row = new QWidget(parent);
    nav.row = row;
    row->setObjectName(QStringLiteral("panNavigazione"));
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    QStyle *st = QApplication::style();
    const struct {
        const char *name;
        QStyle::StandardPixmap pixmap;
    } arrows[] = {{"cmdPrimo", QStyle::SP_MediaSkipBackward},
                  {"cmdIndietro", QStyle::SP_MediaSeekBackward},
                  {nullptr, QStyle::SP_CustomBase},
                  {"cmdAvanti", QStyle::SP_MediaSeekForward},
                  {"cmdUltimo", QStyle::SP_MediaSkipForward}};
    for (const auto &a : arrows) {
        if (!a.name) {
            auto *pos = new QLabel(row);
            pos->setObjectName(QStringLiteral("lblPosizione"));
            pos->setFixedSize(84, 30);
            h->addWidget(pos);
            nav.lblPosizione = pos;
            continue;
        }
        h->addWidget(iconButton(row, a.name, st->standardIcon(a.pixmap), 32));
    }
    nav.cmdPrimo = row->findChild<QToolButton *>(QStringLiteral("cmdPrimo"));
    nav.cmdIndietro = row->findChild<QToolButton *>(QStringLiteral("cmdIndietro"));
    nav.cmdAvanti = row->findChild<QToolButton *>(QStringLiteral("cmdAvanti"));
    nav.cmdUltimo = row->findChild<QToolButton *>(QStringLiteral("cmdUltimo"));
    return nav;
}

Frame cardFrame(QWidget *background, QLayout *card, const FrameLook &look,
                const std::vector<CommandGroup> &groups) {
    Frame frame;
    auto *commands = new CardBand(QString(), look.band, background);
    commands->setObjectName(QStringLiteral("panComandi"));
    commands->setFixedWidth(look.columnWidth);
    for (const CommandGroup &group : groups)
        for (const Command &c : group)
            *c.button = command(commands, c.name, c.label, c.icon);
    frame.cmdGuida =
        command(commands, "cmdGuida", QStringLiteral("Guida"), CardIcons::icon(CardIcons::Symbol::Help));
    frame.cmdEsci =
        command(commands, "cmdEsci", QStringLiteral("Esci"), CardIcons::icon(CardIcons::Symbol::Exit));
    QGridLayout *g = commands->grid();
    g->setVerticalSpacing(look.commandSpacing);
    int row = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i > 0)
            g->setRowMinimumHeight(row++, look.groupGap);
        for (const Command &c : groups[i])
            g->addWidget(*c.button, row++, 0);
    }
    g->setRowStretch(row++, 1);
    g->addWidget(frame.cmdGuida, row++, 0);
    g->addWidget(frame.cmdEsci, row++, 0);

    frame.panInfo = hintPanel(background, look.hint);
    frame.navigation = navigationRow(background);

    auto *main = new QHBoxLayout;
    main->setSpacing(look.spacing);
    main->addLayout(card, 1);
    main->addWidget(commands);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(look.spacing);
    bottom->addWidget(frame.panInfo, 1);
    bottom->addWidget(frame.navigation.row);
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(look.margins);
    layout->setSpacing(look.rowSpacing);
    layout->addLayout(main, 1);
    layout->addLayout(bottom);
    return frame;
}

} // namespace CardParts

CardBackground::CardBackground(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panSfondo"));
    setStyleSheet(CardParts::styleSheet());
}

void CardBackground::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(232, 241, 250));
    g.setColorAt(1, QColor(250, 252, 255));
    p.fillRect(rect(), g);
}

CardBand::CardBand(const QString &title, const QColor &color, QWidget *parent)
    : QFrame(parent), m_title(title), m_color(color), m_grid(new QGridLayout(this)) {
    m_grid->setContentsMargins(14, title.isEmpty() ? 10 : kStrip + 10, 14, 10);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(8);
}

void CardBand::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath body;
    body.addRoundedRect(r, 6, 6);
    p.fillPath(body, QColor(255, 255, 255, 215));
    p.setPen(QPen(m_color.lighter(150), 1));
    p.drawPath(body);
    if (m_title.isEmpty())
        return;
    // The title strip: the band's colour fading to the right.
    QPainterPath strip;
    strip.addRoundedRect(QRectF(r.left(), r.top(), r.width(), kStrip + 6), 6, 6);
    QPainterPath clip;
    clip.addRect(QRectF(r.left(), r.top(), r.width(), kStrip));
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, m_color);
    g.setColorAt(1, m_color.lighter(165));
    p.fillPath(strip.intersected(clip), g);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 1);
    f.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(r.left() + 14, r.top(), r.width() - 28, kStrip), Qt::AlignVCenter | Qt::AlignLeft,
               m_title);
}

CardTitle::CardTitle(const QString &title, const QPixmap &symbol, const QColor &color, QWidget *parent)
    : QWidget(parent), m_title(title), m_symbol(symbol), m_color(color) {
    setMinimumHeight(64);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CardTitle::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, m_color.darker(130));
    g.setColorAt(0.6, m_color);
    g.setColorAt(1, m_color.lighter(160));
    QPainterPath path;
    path.addRoundedRect(r, 8, 8);
    p.fillPath(path, g);
    int x = 14;
    if (!m_symbol.isNull()) {
        const int s = height() - 16;
        p.drawPixmap(QRect(x, 8, s, s), m_symbol);
        x += s + 14;
    }
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.9);
    f.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(QRectF(x + 2, 2, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, m_title);
    p.setPen(Qt::white);
    p.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, m_title);
}

CardBanner::CardBanner(Artwork::Glyph glyph, const QString &title, const QStringList &lines, int height,
                       QWidget *parent)
    : QWidget(parent), m_glyph(glyph), m_title(title), m_lines(lines), m_height(height) {
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CardBanner::paintEvent(QPaintEvent *) {
    if (m_drawn.size() != size())
        m_drawn = Artwork::banner(m_glyph, m_title, m_lines, size());
    QPainter(this).drawPixmap(0, 0, m_drawn);
}
