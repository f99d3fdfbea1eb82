#include "shell/QtCatalogue.h"

#include <cstring>

QString QtCatalogue::translate(const char *context, const char *sourceText, const char *disambiguation,
                               int n) const {
    const QString found = QTranslator::translate(context, sourceText, disambiguation, n);
    if (!found.isEmpty() || !context || std::strcmp(context, "QAbstractFileIconProvider") != 0)
        return found;
    return QTranslator::translate("QFileDialog", sourceText, nullptr, n);
}
