#include "ui/card/BandRows.h"

#include "core/text/Provinces.h"
#include "ui/card/CardParts.h"
#include "ui/windows/ScreenNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <utility>

namespace BandRows {

namespace {

int stretchOf(const Cell &c) {
    if (c.stretch >= 0)
        return c.stretch;
    if (qobject_cast<QLayout *>(c.control) || qobject_cast<QLineEdit *>(c.control))
        return 1;
    return 0;
}

void shape(QWidget *w, const Shape &s) {
    if (s.minWidth > 0)
        w->setMinimumWidth(s.minWidth);
    if (s.width > 0)
        w->setFixedWidth(s.width);
}

} // namespace

Rows::Rows(CardBand *band, RowLook look, const QList<CardField> *fields)
    : m_band(band), m_look(look), m_fields(fields) {
    if (m_look.rowSpacing >= 0)
        m_band->grid()->setVerticalSpacing(m_look.rowSpacing);
}

QLineEdit *Rows::edit(QLineEdit *&member, const char *name, Shape s) {
    auto *e = new QLineEdit(m_band);
    e->setObjectName(QLatin1String(name));
    shape(e, s);
    if (s.maxLength > 0)
        e->setMaxLength(s.maxLength);
    if (s.centred)
        e->setAlignment(Qt::AlignCenter);
    if (s.right)
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setReadOnly(s.readOnly);
    member = e;
    return e;
}

QComboBox *Rows::list(QComboBox *&member, const char *name, const QStringList &items, Shape s) {
    auto *c = new QComboBox(m_band);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(14);
    c->addItems(items);
    c->setCurrentIndex(-1); // adding the items chose the first: the field starts empty
    c->setEditText(QString());
    shape(c, s);
    if (s.maxLength > 0)
        c->lineEdit()->setMaxLength(s.maxLength);
    member = c;
    return c;
}

namespace {

const Shape kProvince{.width = 72, .maxLength = 2};

} // namespace

QComboBox *Rows::provinces(QComboBox *&member, const char *name) {
    return list(member, name, Provinces::codes(), kProvince);
}

CardField provinceField(CardField row) {
    row.items = Provinces::codes();
    row.shape = kProvince;
    return row;
}

QToolButton *Rows::button(QToolButton *&member, const char *name, const QIcon &icon, int size) {
    member = CardParts::iconButton(m_band, name, icon, size);
    return member;
}

namespace {

// The row of the card's fields that holds member; a control with no row is a NameError.
const CardField &rowFor(const QList<CardField> *fields, const void *member, const QWidget *in) {
    if (fields)
        for (const CardField &f : *fields)
            if (f.member.isFor(member))
                return f;
    throw NameError(ScreenNames::of(in->window()),
                    QStringLiteral("%1 places a control that has no row among the card's fields")
                        .arg(ScreenNames::of(in)));
}

Cell placed(const char *caption, QWidget *control, Cell look) {
    look.caption = caption;
    look.control = control;
    return look;
}

} // namespace

Cell Rows::field(QLineEdit *&member, Cell look) {
    const CardField &f = rowFor(m_fields, &member, m_band);
    return placed(f.caption, edit(member, f.control, f.shape), look);
}

Cell Rows::field(QComboBox *&member, Cell look) {
    const CardField &f = rowFor(m_fields, &member, m_band);
    return placed(f.caption, list(member, f.control, f.items, f.shape), look);
}

Cell Rows::field(QCheckBox *&member, Cell look) {
    return placed(nullptr, checkField(m_band, member, m_fields), look);
}

QCheckBox *Rows::check(QCheckBox *&member, const char *name, const QString &text) {
    member = new QCheckBox(text, m_band);
    member->setObjectName(QLatin1String(name));
    return member;
}

QCheckBox *checkField(QWidget *parent, QCheckBox *&member, const QList<CardField> *fields) {
    const CardField &f = rowFor(fields, &member, parent);
    member = new QCheckBox(QString::fromUtf8(f.caption), parent);
    member->setObjectName(QLatin1String(f.control));
    return member;
}

void Rows::finish() {
    // In the order of the rows: an earlier caption of a flowing row is in place before a later one.
    for (const Caption &c : std::as_const(m_captions)) {
        QLabel *caption = CardParts::caption(QString::fromUtf8(c.text), m_band);
        if (c.indent > 0)
            caption->setIndent(c.indent);
        if (c.flow)
            c.flow->insertWidget(c.index, caption);
        else
            m_band->grid()->addWidget(caption, c.row, c.col);
    }
    m_captions.clear();
}

void Rows::flow(QHBoxLayout *into, std::span<const Cell> cells, int gap) {
    bool first = true;
    int waiting = 0; // captions of this row not made yet
    for (const Cell &c : cells) {
        if (!c.caption && !c.control) {
            into->addStretch(c.stretch > 0 ? c.stretch : 1);
            continue;
        }
        const int before = c.gap >= 0 ? c.gap : c.caption ? gap : 0;
        if (!first && before > 0)
            into->addSpacing(before);
        if (c.caption)
            m_captions.append({c.caption, into, into->count() + waiting++, 0, 0, 0});
        if (auto *l = qobject_cast<QLayout *>(c.control))
            into->addLayout(l, stretchOf(c));
        else if (auto *w = qobject_cast<QWidget *>(c.control))
            into->addWidget(w, stretchOf(c));
        first = false;
    }
}

QHBoxLayout *Rows::beside(std::initializer_list<Cell> cells, int spacing) {
    auto *h = new QHBoxLayout;
    h->setSpacing(spacing);
    flow(h, {cells.begin(), cells.size()}, 0);
    return h;
}

Cell Rows::group(std::initializer_list<Cell> cells, Cell look, int spacing) {
    // The first cell's caption stands before the group; its control leads the group.
    QList<Cell> inside(cells.begin(), cells.end());
    look.caption = inside.isEmpty() ? nullptr : std::exchange(inside.first().caption, nullptr);
    auto *h = new QHBoxLayout;
    h->setSpacing(spacing);
    flow(h, {inside.cbegin(), size_t(inside.size())}, 0);
    look.control = h;
    return look;
}

void Rows::row(std::initializer_list<Cell> cells) {
    QGridLayout *g = m_band->grid();
    if (!m_look.columns) {
        auto *h = new QHBoxLayout;
        h->setSpacing(m_look.spacing);
        flow(h, {cells.begin(), cells.size()}, m_look.gap);
        g->addLayout(h, m_row++, 0);
        return;
    }
    int col = 0;
    for (const Cell &c : cells) {
        // A control without a caption takes the caption's column too.
        int at = col, span = c.span + 1;
        if (c.caption) {
            m_captions.append({c.caption, nullptr, 0, m_row, col, col > 0 ? m_look.indent : 0});
            ++at;
            --span;
        }
        if (auto *l = qobject_cast<QLayout *>(c.control))
            g->addLayout(l, m_row, at, 1, span);
        else if (auto *w = qobject_cast<QWidget *>(c.control))
            g->addWidget(w, m_row, at, 1, span);
        col += c.span + 1;
    }
    ++m_row;
}

QStringList twoDigitItems(int count) {
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

QLabel *hidden(QWidget *parent, const QString &name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->hide();
    return l;
}

namespace {

// The attachment block: three file names, then their three descriptions.
const char *const kAttachmentLabels[6] = {"lblFile01", "lblFile02", "lblFile03",
                                          "lblDesc01", "lblDesc02", "lblDesc03"};

} // namespace

AttachmentLabels attachmentLabels(QWidget *parent, bool designTexts) {
    QLabel *made[6];
    for (int i = 0; i < 6; ++i) {
        const QString name = QLatin1String(kAttachmentLabels[i]);
        made[i] = hidden(parent, name, designTexts ? name.mid(3) : QString());
    }
    return {made[0], made[1], made[2], made[3], made[4], made[5]};
}

QList<CardField> attachmentFields(AttachmentFields names, unsigned flags) {
    QList<CardField> rows;
    for (const char *label : kAttachmentLabels)
        rows.append({.control = label,
                     .field = names == AttachmentFields::Plain ? label + 3 : label,
                     .flags = flags});
    return rows;
}

void hiddenFields(QWidget *parent, const QList<CardField> &fields) {
    for (const CardField &f : fields)
        if (f.member.isLabel() && !f.member.widget())
            f.member.hold(hidden(parent, QLatin1String(f.control)));
}

void alignCaptions(std::initializer_list<Rows *> bands, int col) {
    int widest = 0;
    for (Rows *rows : bands) {
        rows->finish();
        QGridLayout *g = rows->band()->grid();
        for (int r = 0; r < g->rowCount(); ++r)
            if (QLayoutItem *item = g->itemAtPosition(r, col); item && item->widget()) {
                item->widget()->ensurePolished();
                widest = qMax(widest, item->widget()->sizeHint().width());
            }
    }
    for (Rows *rows : bands)
        rows->band()->grid()->setColumnMinimumWidth(col, widest);
}

void tabOrder(const QList<QWidget *> &controls) {
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace BandRows
