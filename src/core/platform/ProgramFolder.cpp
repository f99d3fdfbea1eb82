#include "core/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {
namespace {
QString &override_() {
    static QString value;
    return value;
}
QString withSlash(const QString &folder) {
    QString p = QDir::fromNativeSeparators(folder);
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}
} // namespace

QString path() {
    if (!override_().isEmpty())
        return override_();
    return withSlash(QCoreApplication::applicationDirPath());
}

QString file(const QString &name) { return path() + name; }

void setPath(const QString &folder) { override_() = folder.isEmpty() ? QString() : withSlash(folder); }

} // namespace ProgramFolder
