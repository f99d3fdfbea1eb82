#pragma once
// Qt's Italian catalogue (qtbase_it.qm) as Qt's own dialogs read it. Qt 6
// asks the type names of its file list ("Folder", "%1 File", "Drive") under
// QAbstractFileIconProvider, while the catalogue still has them under
// QFileDialog, where Qt 5 asked them: the file dialog would say "Folder".
// Such a name is looked up there too.
#include <QTranslator>

class QtCatalogue : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
};
