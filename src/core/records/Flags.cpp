#include "core/records/Flags.h"

#include "core/text/TextRules.h"

namespace Flags {

YesNo read(QByteArrayView trimmed) {
    // Compared on the bytes: the lists ask it of every record of an archive.
    if (trimmed == QByteArrayView("S\xEC"))
        return YesNo::Yes;
    if (trimmed == QByteArrayView("No"))
        return YesNo::No;
    return YesNo::Neither;
}

YesNo read(const QString &text) {
    const QStringView t = Text::trim(QStringView(text));
    if (t == u"S\u00EC")
        return YesNo::Yes;
    if (t == u"No")
        return YesNo::No;
    return YesNo::Neither;
}

} // namespace Flags
