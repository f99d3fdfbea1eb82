#pragma once
// The look shared by the card screens: the gradient background, the section
// bands, the title band, the command column's buttons, the navigation row
// with the position label and the hint panel.
#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QGridLayout;
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
// cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo in one row.
QWidget *navigationRow(QWidget *parent);

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
