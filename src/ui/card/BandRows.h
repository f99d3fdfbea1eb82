#pragma once
// The rows of a card's band, written as a table: each row a list of cells
// {caption, control, stretch}. The controls are made here with their names, in
// the band, in the order of the rows (so Tab walks them as they read), and the
// card keeps them in its members of the same names. A card field is made from
// its row of the card's fields (`field(member)`: name, caption, shape, list
// entries), so the band says only where it goes.
#include "ui/card/CardField.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>
#include <tuple>

class CardBand;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QIcon;
class QLabel;
class QLineEdit;
class QObject;
class QToolButton;
class QWidget;

namespace BandRows {

using Shape = ControlShape;

// One cell of a row: its caption (none when null), then its control (a widget or a
// group made by beside()), with its stretch; -1 lets a field or a group stretch and
// keeps a button or a check box at its own width. A cell with neither caption nor
// control is a stretch. On a band laid out in columns a cell takes a caption column
// and `span` control columns (a control without a caption spreads over both).
struct Cell {
    const char *caption = nullptr;
    QObject *control = nullptr;
    int stretch = -1;
    int span = 1;
    int gap = -1; // before the cell in a flowing row; -1: the look's gap before a caption
};

// How a band's rows are laid out.
struct RowLook {
    // Columns: the captions of every row under each other in the band's grid (caption,
    // control, caption, control…). Otherwise each row flows on its own.
    bool columns = false;
    int spacing = 8;     // between a caption and its control, a control and the next
    int gap = 10;        // more before each further caption of a flowing row
    int indent = 0;      // of a caption after a row's first (columns)
    int rowSpacing = -1; // between two rows; -1 keeps the band's
};

class Rows {
public:
    // fields: the card's fields, whose controls field() makes.
    explicit Rows(CardBand *band, RowLook look = {}, const QList<CardField> *fields = nullptr);
    ~Rows() { finish(); }
    Rows(const Rows &) = delete;
    Rows &operator=(const Rows &) = delete;

    // The controls, made in the band with their names.
    QLineEdit *edit(QLineEdit *&member, const char *name, Shape shape = {});
    // An editable list taking only its own entries, empty at the start.
    QComboBox *list(QComboBox *&member, const char *name, const QStringList &items, Shape shape = {});
    // The province codes.
    QComboBox *provinces(QComboBox *&member, const char *name);
    QToolButton *button(QToolButton *&member, const char *name, const QIcon &icon, int size = 30);
    QCheckBox *check(QCheckBox *&member, const char *name, const QString &text);

    // The control of a card field, made from its row (the row of the card's fields
    // for that member), as a cell with the row's caption and the rest of `look`. A
    // check box's caption is its own text.
    Cell field(QLineEdit *&member, Cell look = {});
    Cell field(QComboBox *&member, Cell look = {});
    Cell field(QCheckBox *&member, Cell look = {});

    // Cells side by side in one cell of a row (a field with its button, a town with its
    // province and postcode).
    QHBoxLayout *beside(std::initializer_list<Cell> cells, int spacing = 6);
    // The same as one cell captioned by the first cell's caption (and the rest of `look`).
    Cell group(std::initializer_list<Cell> cells, Cell look = {}, int spacing = 6);
    // The next row of the band.
    void row(std::initializer_list<Cell> cells);

    // Makes the captions. They come after the band's controls, so the focus chain runs from
    // field to field; done when the rows go out of scope, or earlier when the captions must be
    // measured.
    void finish();

    CardBand *band() const { return m_band; }

private:
    // A caption waiting to be made: where it goes in a flowing row or in the grid.
    struct Caption {
        const char *text;
        QHBoxLayout *flow; // null: in the grid at row, col
        int index, row, col;
        int indent;
    };
    void flow(QHBoxLayout *into, std::span<const Cell> cells, int gap);

    CardBand *m_band;
    RowLook m_look;
    const QList<CardField> *m_fields;
    int m_row = 0;
    QList<Caption> m_captions;
};

// The check box of a card field made outside a band, in parent, from its row (its caption
// the box's text).
QCheckBox *checkField(QWidget *parent, QCheckBox *&member, const QList<CardField> *fields);

// A province combo edit's row: the province codes, two letters wide.
CardField provinceField(CardField row);

// The items of an hours or minutes list: "00" up to count - 1, two digits each.
QStringList twoDigitItems(int count);

// Hidden labels holding part of the record (attachment names, a start number): made
// in `parent` with their names.
QLabel *hidden(QWidget *parent, const QString &name, const QString &text = QString());

// The six hidden labels of the attachment block, lblFile01–lblFile03 then lblDesc01–lblDesc03
// (read and written by name by the attachments screen); with design texts they start as
// "File01"… and "Desc01"….
using AttachmentLabels = std::tuple<QLabel *, QLabel *, QLabel *, QLabel *, QLabel *, QLabel *>;
AttachmentLabels attachmentLabels(QWidget *parent, bool designTexts = false);
// Their six rows among the card's fields, stored in File01…Desc03, or under the labels'
// own names where the record names its fields after the controls.
enum class AttachmentFields { Plain, ControlNames };
QList<CardField> attachmentFields(AttachmentFields names, unsigned flags = 0);
// The hidden labels of the card's fields that no band made, in `parent`.
void hiddenFields(QWidget *parent, const QList<CardField> &fields);

// The caption column `col` of every band as wide as its widest caption, so the fields
// of bands under each other start at the same place.
void alignCaptions(std::initializer_list<Rows *> bands, int col);

// The tab order along the given controls.
void tabOrder(const QList<QWidget *> &controls);

} // namespace BandRows
