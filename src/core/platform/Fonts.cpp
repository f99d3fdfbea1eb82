#include "core/platform/Fonts.h"

#include <QStringList>

namespace Fonts {

void install() {
    static const bool done = []() {
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        // Vera/DejaVu Sans was drawn to Verdana's proportions.
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)done;
}

QFont font(const QString &family, int pointSize, bool bold) {
    install();
    QFont f(family, pointSize);
    f.setBold(bold);
    if (family == QLatin1String("Courier New"))
        f.setStyleHint(QFont::Monospace, QFont::PreferMatch);
    return f;
}

} // namespace Fonts
