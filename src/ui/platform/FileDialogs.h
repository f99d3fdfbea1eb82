#pragma once
// File-open, file-save and folder dialogs behind one seam: tests set the next name.
#include <QString>

class QFileDialog;
class QWidget;

class FileDialogSink {
public:
    virtual ~FileDialogSink() = default;
    // An empty text when the user cancels.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter) = 0;
    virtual QString folder(QWidget *parent, const QString &caption, const QString &start) = 0;
};

namespace FileDialogs {

QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
QString saveFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
// A folder chosen, starting from start (an empty text when cancelled).
QString folder(QWidget *parent, const QString &caption, const QString &start);
void setSink(FileDialogSink *sink); // nullptr restores the real dialogs
// What the real dialogs get before they are shown: the list with its
// columns, headings never cut, dates with the year in four digits.
void prepare(QFileDialog &dialog);

} // namespace FileDialogs
