#include "ui/input/InputRules.h"

#include "core/text/TextRules.h"
#include "core/text/Amounts.h"
#include "ui/input/KeyFilters.h"
#include "ui/input/SingleLine.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

// Moving the focus by hand, a modal message or a popup is not entering or
// leaving a field.
bool isMove(const QFocusEvent *e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

bool selectsOnEntry(FieldInput input) {
    return input == FieldInput::Digits || input == FieldInput::Amount || input == FieldInput::Fee;
}

QString fieldText(QWidget *field) {
    if (auto *c = qobject_cast<QComboBox *>(field))
        return c->currentText();
    if (auto *e = qobject_cast<QLineEdit *>(field))
        return e->text();
    return {};
}

void setFieldText(QWidget *field, const QString &text) {
    if (auto *c = qobject_cast<QComboBox *>(field))
        c->setEditText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(field))
        e->setText(text);
}

} // namespace

QLineEdit *InputRules::editOf(QWidget *field) {
    if (auto *c = qobject_cast<QComboBox *>(field))
        return c->lineEdit();
    return qobject_cast<QLineEdit *>(field);
}

void InputRules::shape(QLineEdit *edit, unsigned flags) {
    QString t = edit->text();
    if (flags & FieldFlag::TrimTyping)
        t = Text::trim(t);
    if (flags & FieldFlag::UpperTyping)
        t = Text::upperAZ(t);
    if (t != edit->text()) {
        const int cursor = edit->cursorPosition();
        edit->setText(t);
        edit->setCursorPosition(std::min(cursor, int(t.size())));
    }
}

void InputRules::setShown(QWidget *field, const QString &text) {
    setFieldText(field, text);
    if (QLineEdit *edit = editOf(field))
        edit->setCursorPosition(0); // a long value shows its beginning, not its end
}

void InputRules::add(QWidget *field, const FieldRule &rule) {
    Q_ASSERT(field);
    m_fields.append({field, rule});
    field->installEventFilter(this);
    QLineEdit *edit = editOf(field);
    if (!edit)
        return;
    SingleLine::attach(edit);
    // A filtered field takes nothing the keyboard could not type into it.
    if (rule.input != FieldInput::Text) {
        field->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setDragEnabled(false);
        edit->setAcceptDrops(false);
    }
    if (rule.flags & (FieldFlag::TrimTyping | FieldFlag::UpperTyping)) {
        connect(edit, &QLineEdit::textEdited, this, [edit, flags = rule.flags]() { shape(edit, flags); });
    }
}

void InputRules::setEnterOrder(QList<QWidget *> order, bool wraps) {
    m_order = std::move(order);
    m_wraps = wraps;
}

const InputRules::Entry *InputRules::entry(const QObject *field) const {
    for (const Entry &e : m_fields)
        if (e.field == field)
            return &e;
    return nullptr;
}

const FieldRule *InputRules::rule(const QObject *field) const {
    const Entry *e = entry(field);
    return e ? &e->rule : nullptr;
}

void InputRules::leave(QWidget *field) {
    const Entry *e = entry(field);
    if (!e)
        return;
    const FieldRule &r = e->rule;
    const QString before = fieldText(field);
    QString t = before;
    switch (r.input) {
    case FieldInput::Amount:
        t = Amounts::normalise(t, 2);
        break;
    case FieldInput::Fee:
        t = Amounts::normalise(t, 4);
        break;
    case FieldInput::ListOnly:
        if (auto *c = qobject_cast<QComboBox *>(field); c && c->findText(Text::trim(t), Qt::MatchExactly) < 0)
            t.clear();
        break;
    default:
        break;
    }
    if (r.flags & FieldFlag::TrimOnLeave)
        t = Text::trim(t);
    if (r.flags & FieldFlag::UpperOnLeave)
        t = Text::upperAZ(t);
    if (!r.whenEmpty.isEmpty() && Text::trim(t).isEmpty())
        t = r.whenEmpty;
    if (t != before)
        setFieldText(field, t);
    if (leaveHook)
        leaveHook(field);
}

void InputRules::enter(const Entry &e, bool moved) {
    if (auto *c = qobject_cast<QComboBox *>(e.field); c && c->isEditable()) {
        // A combo edit about to be used shows no item highlighted in its list.
        const QString t = c->currentText();
        c->setCurrentIndex(-1);
        c->setEditText(t);
    }
    if (moved && selectsOnEntry(e.rule.input)) {
        // Typing replaces the whole value. Selected once the click that gave
        // the focus has placed its cursor.
        QLineEdit *edit = editOf(e.field);
        QTimer::singleShot(0, edit, [edit]() {
            if (edit->hasFocus())
                edit->selectAll();
        });
    }
}

// True when the press is swallowed.
bool InputRules::keyPress(const Entry &e, QKeyEvent *key) {
    if (keyHook && keyHook(e.field, key))
        return true;
    if (KeyFilters::isEnter(key)) {
        const qsizetype i = m_order.indexOf(e.field);
        if (i < 0)
            return false;
        if (i + 1 < m_order.size())
            m_order[i + 1]->setFocus(Qt::OtherFocusReason);
        else if (m_wraps)
            m_order.first()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (KeyFilters::isWindowKey(key))
        return false;
    switch (e.rule.input) {
    case FieldInput::Digits:
        return !KeyFilters::digitAccepts(key);
    case FieldInput::Amount:
    case FieldInput::Fee:
        return !KeyFilters::amountAccepts(key);
    case FieldInput::ListOnly:
        return true;
    default:
        return false;
    }
}

bool InputRules::eventFilter(QObject *watched, QEvent *event) {
    const Entry *e = entry(watched);
    if (!e)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(*e, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        enter(*e, isMove(static_cast<QFocusEvent *>(event)));
        break;
    case QEvent::FocusOut:
        // A field being destroyed still gets its focus-out, when it is no
        // line edit or combo box any more: it is left alone.
        if (isMove(static_cast<QFocusEvent *>(event)) &&
            (qobject_cast<QLineEdit *>(watched) || qobject_cast<QComboBox *>(watched)))
            leave(e->field);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
