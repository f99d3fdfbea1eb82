#include "ui/input/KeyFilters.h"

#include <QKeyEvent>

namespace KeyFilters {
namespace {

bool isEditingKey(const QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

// The character typed, when it is one plain character (no Ctrl or Alt chord).
QChar typedChar(const QKeyEvent *e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString t = e->text();
    return t.size() == 1 ? t.at(0) : QChar();
}

} // namespace

bool isEnter(const QKeyEvent *e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

bool isWindowKey(const QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

bool digitAccepts(const QKeyEvent *e) {
    if (isEditingKey(e))
        return true;
    const QChar c = typedChar(e);
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool amountAccepts(const QKeyEvent *e) { return digitAccepts(e) || typedChar(e) == QLatin1Char(','); }

} // namespace KeyFilters
