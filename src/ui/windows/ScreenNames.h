#pragma once
// The controls a screen's table names, found by their object names; a name
// with no control is a NameError naming the screen and the name, in every
// kind of build (a typo fails the screen's tests instead of crashing them).
#include "core/records/NameError.h"

#include <QString>
#include <QWidget>

namespace ScreenNames {

// The screen's object name ("frmContratto"), or its class when it has none.
QString of(const QObject *screen);

// The control of that name on the screen, of type T.
QWidget *find(const QWidget *screen, const char *name, const QMetaObject &type);
template <class T = QWidget> T *control(const QWidget *screen, const char *name) {
    return static_cast<T *>(find(screen, name, T::staticMetaObject));
}

} // namespace ScreenNames
