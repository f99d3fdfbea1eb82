#include "ui/input/SingleLine.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QLineEdit>

QValidator::State SingleLineValidator::validate(QString &input, int &) const {
    fixup(input); // same length: the cursor stays where it was
    return Acceptable;
}

void SingleLineValidator::fixup(QString &input) const { input = SingleLine::blanked(std::move(input)); }

namespace SingleLine {

QString blanked(QString text) {
    for (QChar &c : text)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return text;
}

void attach(QLineEdit *edit) {
    if (!edit || edit->validator())
        return;
    edit->setValidator(new SingleLineValidator(edit));
    if (edit->text() != blanked(edit->text()))
        edit->setText(blanked(edit->text()));
}

void attachAll(QWidget *root) {
    const QList<QLineEdit *> edits = root->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        bool inner = false;
        for (QWidget *p = edit->parentWidget(); p && p != root && !inner; p = p->parentWidget())
            inner = qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QCalendarWidget *>(p);
        if (!inner)
            attach(edit);
    }
}

} // namespace SingleLine
