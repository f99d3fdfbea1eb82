#pragma once
// The look shared by the card screens: the gradient background, the section
// bands, the title band, the command column's buttons, the navigation row
// with the position label and the hint panel.
#include "ui/widgets/Artwork.h"

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QMargins>
#include <QPixmap>
#include <QString>

#include <QStringList>

#include <vector>

class QGridLayout;
class QLayout;
class QLabel;
class QToolButton;

namespace CardParts {

// Fields, labels, bands and commands of a card (set on the card's background).
QString styleSheet();
// A command of the command column: icon and label, never takes the focus.
QToolButton *command(QWidget *parent, const char *name, const QString &label, const QIcon &icon);
// A small icon button beside a field (calendar, import, e-mail, WhatsApp).
QToolButton *iconButton(QWidget *parent, const char *name, const QIcon &icon, int size = 30);
// A field's caption.
QLabel *caption(const QString &text, QWidget *parent);
// The hint panel `panInfo` with its design text.
QLabel *hintPanel(QWidget *parent, const QString &designText);

// cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo in one row (`panNavigazione`).
struct Navigation {
    QWidget *row = nullptr;
    QLabel *lblPosizione = nullptr;
    QToolButton *cmdPrimo = nullptr, *cmdIndietro = nullptr, *cmdAvanti = nullptr, *cmdUltimo = nullptr;
    // Sets the card's members of the same names.
    template <class Card> void handTo(Card &card) const {
        card.lblPosizione = lblPosizione;
        card.cmdPrimo = cmdPrimo;
        card.cmdIndietro = cmdIndietro;
        card.cmdAvanti = cmdAvanti;
        card.cmdUltimo = cmdUltimo;
    }
};
Navigation navigationRow(QWidget *parent);

// One command of the command column: where the card keeps it, its name, label and icon.
struct Command {
    QToolButton **button;
    const char *name;
    QString label;
    QIcon icon;
};
using CommandGroup = std::vector<Command>;

// The measures of a card's frame, given by name: {.band = …, .columnWidth = 210, …}.
struct FrameLook {
    QColor band;            // colour of the command column's band
    int columnWidth = 210;  // width of the command column
    int commandSpacing = 5; // between two commands of a group
    int groupGap = 8;       // between two groups
    int spacing = 16;       // between card and column, hint panel and arrows
    QMargins margins;       // around the whole card
    int rowSpacing = 10;    // between the card and the bottom row
    QString hint;           // design text of the hint panel
};

// What the frame made besides the card's own commands.
struct Frame {
    QLabel *panInfo = nullptr;
    QToolButton *cmdGuida = nullptr, *cmdEsci = nullptr;
    Navigation navigation;
    // Sets the card's members of the same names.
    template <class Card> void handTo(Card &card) const {
        card.panInfo = panInfo;
        card.cmdGuida = cmdGuida;
        card.cmdEsci = cmdEsci;
        navigation.handTo(card);
    }
};

// The frame of a card with a command column on the right: the card's layout beside the column
// (`panComandi`: the groups of commands separated by gaps, a stretch, then Guida and Esci), and
// below them the hint panel `panInfo` and the navigation row. Sets `background`'s layout.
Frame cardFrame(QWidget *background, QLayout *card, const FrameLook &look,
                const std::vector<CommandGroup> &groups);

} // namespace CardParts

// The card's background: a pale vertical gradient.
class CardBackground : public QWidget {
    Q_OBJECT
public:
    explicit CardBackground(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;
};

// A section of the card: a coloured title strip (none for an empty title) over a framed body whose
// grid holds the captions and fields.
class CardBand : public QFrame {
    Q_OBJECT
public:
    CardBand(const QString &title, const QColor &color, QWidget *parent = nullptr);
    QGridLayout *grid() const { return m_grid; }
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_title;
    QColor m_color;
    QGridLayout *m_grid;
};

// The card's title band: a symbol and the title in capitals.
class CardTitle : public QWidget {
    Q_OBJECT
public:
    CardTitle(const QString &title, const QPixmap &symbol, const QColor &color, QWidget *parent = nullptr);
    QString title() const { return m_title; }
    QSize sizeHint() const override { return {600, 64}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_title;
    QPixmap m_symbol;
    QColor m_color;
};

// A banner with a large symbol, a title and a few lines of text as wide as the bands under it
// (the banner is drawn again at each width).
class CardBanner : public QWidget {
    Q_OBJECT
public:
    CardBanner(Artwork::Glyph glyph, const QString &title, const QStringList &lines, int height,
               QWidget *parent = nullptr);
    QSize sizeHint() const override { return {600, m_height}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Artwork::Glyph m_glyph;
    QString m_title;
    QStringList m_lines;
    int m_height;
    QPixmap m_drawn;
};
