#include "ui/windows/ScreenNames.h"

namespace ScreenNames {

QString of(const QObject *screen) {
    return screen->objectName().isEmpty() ? QLatin1String(screen->metaObject()->className())
                                          : screen->objectName();
}

QWidget *find(const QWidget *screen, const char *name, const QMetaObject &type) {
    QWidget *w = name ? screen->findChild<QWidget *>(QLatin1String(name)) : nullptr;
    if (!w)
        throw NameError(of(screen), QStringLiteral("no control named \"%1\"").arg(QLatin1String(name)));
    if (!type.cast(w))
        throw NameError(of(screen), QStringLiteral("the control \"%1\" is no %2")
                                        .arg(QLatin1String(name), QLatin1String(type.className())));
    return w;
}

} // namespace ScreenNames
