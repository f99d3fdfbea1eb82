#include "validators/FieldRules.h"

#include "core/text/TextRules.h"

#include <QKeyEvent>
#include <QLineEdit>

FieldRules::FieldRules(QLineEdit *edit, int maxLength, Rules rules, QWidget *enterTarget)
    : QObject(edit), m_edit(edit), m_maxLength(maxLength), m_rules(rules), m_enterTarget(enterTarget) {
    edit->setMaxLength(maxLength);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &FieldRules::edited);
}

void FieldRules::fill(const QString &value) {
    m_edit->setMaxLength(qMax(m_maxLength, int(value.size())));
    m_edit->setText(value);
}

void FieldRules::edited() {
    if (m_rules.testFlag(TrimUpper)) {
        const QString text = m_edit->text();
        const QString fixed = Text::upperAZ(Text::trim(text));
        if (fixed != text) {
            // Keep the caret where it was relative to the characters that stay.
            int lead = 0;
            while (lead < text.size() && text.at(lead).unicode() <= ' ')
                ++lead;
            const int caret =
                qBound(0, m_edit->cursorPosition() - qMin(lead, m_edit->cursorPosition()), int(fixed.size()));
            m_edit->setText(fixed);
            m_edit->setCursorPosition(caret);
        }
    }
    // A long value from the opener may only shrink, never grow back.
    if (m_edit->maxLength() > m_maxLength)
        m_edit->setMaxLength(qMax(m_maxLength, int(m_edit->text().size())));
}

bool FieldRules::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_enterTarget)
            m_enterTarget->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (m_rules.testFlag(DigitsOnly)) {
        for (QKeySequence::StandardKey k : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                            QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
            if (key->matches(k))
                return false; // a pasted text is judged by the check, not refused here
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return false;
        default:
            break;
        }
        // Keys without a printable character (Tab, Home, Escape) keep their
        // usual meaning; any printable character but 0-9 is dropped.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).unicode() >= ' ' &&
            (text.size() != 1 || text.at(0).unicode() < u'0' || text.at(0).unicode() > u'9'))
            return true;
    }
    return false;
}
