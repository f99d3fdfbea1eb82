#include "ui/windows/HintTracker.h"

#include "ui/windows/ScreenNames.h"

#include "ui/card/FocusHighlight.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>

namespace {

// A scroll area holding a card's sections is background, like the card; a
// list or a text box is an input.
bool isInput(const QWidget *w) {
    if (qobject_cast<const QScrollArea *>(w))
        return false;
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QAbstractSlider *>(w);
}

// Within an input (a combo edit's own line edit, a list's viewport).
bool insideInput(const QWidget *w, const QWidget *form) {
    for (const QWidget *p = w; p && p != form; p = p->parentWidget())
        if (isInput(p))
            return true;
    return false;
}

} // namespace

HintTracker::HintTracker(QWidget *form, QLabel *panel, QList<CardHint> hints,
                         const QList<QWidget *> &leaveAlone)
    : QObject(form), m_panel(panel), m_hints(std::move(hints)) {
    for (const CardHint &h : std::as_const(m_hints)) {
        QWidget *w = ScreenNames::control(form, h.control);
        w->installEventFilter(this);
        m_hinted.append(w);
    }
    QList<QWidget *> all = form->findChildren<QWidget *>();
    all.prepend(form);
    for (QWidget *w : all) {
        if (w == panel || m_hinted.contains(w) || leaveAlone.contains(w) || insideInput(w, form) ||
            qobject_cast<FocusHighlight *>(w))
            continue;
        emptyOver(w);
    }
}

void HintTracker::emptyOver(QWidget *w) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
    m_background.append(w);
}

bool HintTracker::isBackgroundUnder(QWidget *w, const QPoint &pos) const {
    QWidget *under = w->childAt(pos);
    if (!under)
        return true; // w itself
    if (!m_background.contains(under))
        return false; // a command, a field, the panel
    for (QWidget *p = under; p && p != w; p = p->parentWidget())
        if (m_hinted.contains(p))
            return false;
    return true;
}

void HintTracker::setHint(const QString &text) {
    if (m_panel)
        m_panel->setText(text);
}

bool HintTracker::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Enter) {
        for (const CardHint &h : std::as_const(m_hints))
            if (watched->objectName() == QLatin1String(h.control))
                setHint(h.text);
    } else if (event->type() == QEvent::MouseMove) {
        auto *w = static_cast<QWidget *>(watched);
        // A command that does not take pointer moves passes them on to the
        // panel behind it: only the widget really under the pointer counts,
        // so the hint its command has just written stays.
        if (m_background.contains(w) &&
            isBackgroundUnder(w, static_cast<QMouseEvent *>(event)->position().toPoint()))
            setHint(QString());
    }
    return QObject::eventFilter(watched, event);
}
