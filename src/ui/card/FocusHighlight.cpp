#include "ui/card/FocusHighlight.h"

#include <QEvent>

FocusHighlight::FocusHighlight(QWidget *target, const QString &objectName)
    : QFrame(target->parentWidget()), m_target(target) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("FocusHighlight { border: 3px solid #f5c400; border-radius: 3px; "
                                 "background: transparent; }"));
    hide();
    target->installEventFilter(this);
}

FocusHighlight *FocusHighlight::attach(QWidget *edit, const QString &objectName) {
    return new FocusHighlight(edit, objectName);
}

void FocusHighlight::follow() {
    setGeometry(m_target->geometry().adjusted(-3, -3, 3, 3));
    stackUnder(m_target);
}

bool FocusHighlight::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (isVisible())
                follow();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
