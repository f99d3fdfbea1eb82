#pragma once
// Every text field holds one line: a character below the blank (a line break
// or a tab arriving with pasted or dropped text) becomes a blank, so a record
// or a single-line export never holds one.
#include <QValidator>

class QLineEdit;
class QWidget;

class SingleLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

namespace SingleLine {
// The text with every character below the blank replaced by a blank.
QString blanked(QString text);
// Applies the rule to edit (a field with its own validator keeps it: it
// already refuses such characters).
void attach(QLineEdit *edit);
// Applies it to every text field under root, combo edits included (not to the
// edits inside spin boxes and calendars, which take digits only).
void attachAll(QWidget *root);
} // namespace SingleLine
