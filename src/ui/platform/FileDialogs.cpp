#include "ui/platform/FileDialogs.h"

#include <QFileDialog>

namespace {

class QtFileDialogs : public FileDialogSink {
public:
    QString openFile(QWidget *p, const QString &c, const QString &d, const QString &f) override {
        return QFileDialog::getOpenFileName(p, c, d, f);
    }
    QString saveFile(QWidget *p, const QString &c, const QString &d, const QString &f) override {
        return QFileDialog::getSaveFileName(p, c, d, f);
    }
    QString folder(QWidget *p, const QString &c, const QString &d) override {
        return QFileDialog::getExistingDirectory(p, c, d);
    }
};

FileDialogSink *real() {
    static QtFileDialogs sink;
    return &sink;
}

FileDialogSink *&current() {
    static FileDialogSink *sink = real();
    return sink;
}

} // namespace

namespace FileDialogs {

QString openFile(QWidget *p, const QString &c, const QString &d, const QString &f) {
    return current()->openFile(p, c, d, f);
}
QString saveFile(QWidget *p, const QString &c, const QString &d, const QString &f) {
    return current()->saveFile(p, c, d, f);
}
QString folder(QWidget *p, const QString &c, const QString &d) { return current()->folder(p, c, d); }
void setSink(FileDialogSink *sink) { current() = sink ? sink : real(); }

} // namespace FileDialogs
