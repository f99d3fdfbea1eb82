#include "ui/platform/FileDialogs.h"

#include "core/text/Formats.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

namespace {

// Qt's file list writes a date in the locale's short form, with a two-digit
// year ("10/12/26"); the program writes every date with four.
class FourDigitYears : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == kModified)
            if (const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel())) {
                const QDateTime modified = files->lastModified(mapToSource(index));
                if (modified.isValid())
                    return Formats::dateText(modified.date()) + QLatin1Char(' ') +
                           Formats::shortTimeText(modified.time());
            }
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int kModified = 3; // name, size, type, date modified
};

// Runs the dialog as the static functions of QFileDialog would, prepared.
QString chosen(QFileDialog &dialog) {
    FileDialogs::prepare(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

class QtFileDialogs : public FileDialogSink {
public:
    QString openFile(QWidget *p, const QString &c, const QString &d, const QString &f) override {
        QFileDialog dialog(p, c, d, f);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return chosen(dialog);
    }
    QString saveFile(QWidget *p, const QString &c, const QString &d, const QString &f) override {
        QFileDialog dialog(p, c, d, f);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        return chosen(dialog);
    }
    QString folder(QWidget *p, const QString &c, const QString &d) override {
        QFileDialog dialog(p, c, d);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        return chosen(dialog);
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

void prepare(QFileDialog &dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new FourDigitYears(&dialog));
    // Qt's own dialog (a desktop's native one has no such list): every
    // column as wide as its heading and its values, the name taking the rest.
    if (auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < header->count(); ++c)
            header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        dialog.resize(std::max(dialog.width(), 860), std::max(dialog.height(), 480));
    }
}

} // namespace FileDialogs
