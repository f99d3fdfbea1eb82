#include "core/platform/OpenURL.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

namespace {

class DesktopOpener : public ShellOpener {
public:
    bool open(const QString &command) override { return QDesktopServices::openUrl(TMisc::urlFor(command)); }
};

ShellOpener *desktop() {
    static DesktopOpener opener;
    return &opener;
}

ShellOpener *&current() {
    static ShellOpener *opener = desktop();
    return opener;
}

} // namespace

QUrl TMisc::urlFor(const QString &command) {
    QString c = command.trimmed();
    if (c.size() >= 2 && c.startsWith(QLatin1Char('"')) && c.endsWith(QLatin1Char('"')))
        c = c.mid(1, c.size() - 2);
    // A scheme of two or more letters is a link ("C:" is a drive, not a scheme).
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(c).hasMatch() && !c.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        return QUrl(c, QUrl::TolerantMode);
    if (c.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("https://") + c, QUrl::TolerantMode);
    if (c.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        return QUrl(c);
    return QUrl::fromLocalFile(c);
}

QString TMisc::mailCommand(const QString &address) {
    const QByteArray encoded = QUrl::toPercentEncoding(address.trimmed(), QByteArrayLiteral("@+"));
    return QStringLiteral("\"mailto:") + QString::fromLatin1(encoded) + QLatin1Char('"');
}

bool TMisc::Open(const QString &command) { return current()->open(command); }

void TMisc::setOpener(ShellOpener *opener) { current() = opener ? opener : desktop(); }
