#include "ui/card/BandRows.h"

#include "core/text/Provinces.h"
#include "ui/card/CardParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

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

Rows::Rows(CardBand *band, RowLook look) : m_band(band), m_look(look) {
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

QComboBox *Rows::provinces(QComboBox *&member, const char *name) {
    return list(member, name, Provinces::codes(), {.width = 72, .maxLength = 2});
}

QToolButton *Rows::button(QToolButton *&member, const char *name, const QIcon &icon, int size) {
    member = CardParts::iconButton(m_band, name, icon, size);
    return member;
}

QCheckBox *Rows::check(QCheckBox *&member, const char *name, const QString &text) {
    member = new QCheckBox(text, m_band);
    member->setObjectName(QLatin1String(name));
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

void Rows::flow(QHBoxLayout *into, std::initializer_list<Cell> cells, int gap) {
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
    flow(h, cells, 0);
    return h;
}

void Rows::row(std::initializer_list<Cell> cells) {
    QGridLayout *g = m_band->grid();
    if (!m_look.columns) {
        auto *h = new QHBoxLayout;
        h->setSpacing(m_look.spacing);
        flow(h, cells, m_look.gap);
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

AttachmentLabels attachmentLabels(QWidget *parent, bool designTexts) {
    QLabel *made[6];
    for (int i = 0; i < 6; ++i) {
        const QString field = QStringLiteral("%1%2").arg(i < 3 ? u"File0" : u"Desc0").arg(i % 3 + 1);
        made[i] = hidden(parent, QStringLiteral("lbl") + field, designTexts ? field : QString());
    }
    return {made[0], made[1], made[2], made[3], made[4], made[5]};
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

void tabOrder(QWidget *form, const QList<const char *> &names) {
    QWidget *previous = nullptr;
    for (const char *name : names) {
        auto *w = form->findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT_X(w, "BandRows::tabOrder", name);
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace BandRows
