#pragma once
// The key rules of a check screen's single field: Enter hands the focus to
// the check button, a digits-only field swallows every other printable key,
// a code field is trimmed and upper-cased (a-z only) at every keystroke, and
// the maximum length limits typing.
#include <QFlags>
#include <QObject>

class QLineEdit;
class QWidget;

class FieldRules : public QObject {
    Q_OBJECT
public:
    enum Rule { Plain = 0, TrimUpper = 1, DigitsOnly = 2 };
    Q_DECLARE_FLAGS(Rules, Rule)

    // Owned by edit.
    FieldRules(QLineEdit *edit, int maxLength, Rules rules, QWidget *enterTarget);

    // Puts an opener's value into the field as it is. A value longer than the
    // maximum stays whole, so the check reports its length instead of judging
    // a cut text; the limit then follows the text down as the user shortens it.
    void fill(const QString &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void edited();
    QLineEdit *m_edit;
    int m_maxLength;
    Rules m_rules;
    QWidget *m_enterTarget;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FieldRules::Rules)
