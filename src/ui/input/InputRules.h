#pragma once
// The input rules of a screen's fields, one mechanism for the cards, the entry
// panels and the dialogs with fields of their own: the key filter of a field's
// input kind, the one-line rule, the shaping while typing and on leaving, the
// Enter walk through the fields in order, the whole text selected on entering
// an amount or number field, and a loaded value shown from its beginning.
//
// A screen creates one InputRules, adds its line edits and combo boxes with
// their rules and gives the Enter order; its own keys and exit rules go in
// the two hooks.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

enum class FieldInput {
    Text,     // anything
    Digits,   // 0 to 9, Backspace, Delete, Left, Right
    Amount,   // the digit filter plus ","; normalised to two decimals on leaving
    Fee,      // as Amount, four decimals
    ListOnly, // combo edit chosen from its list only: no key but Enter; on
              // leaving, a text that is not exactly one of its items is emptied
};

namespace FieldFlag {
enum : unsigned {
    TrimTyping = 1,                  // trimmed after every keystroke
    UpperTyping = 2,                 // letters a-z upper-cased after every keystroke
    TrimOnLeave = 4,                 // trimmed when the field is left
    UpperOnLeave = 8,                // upper-cased (a-z) when the field is left
    KeepOnNew = 16,                  // Nuovo leaves the value as it is (cards)
    ResetOnDuplicate = 32,           // Duplica puts the initial value back (cards)
    Code = TrimTyping | UpperTyping, // tax codes, provinces: trimmed and upper-cased while typing
};
}

struct FieldRule {
    FieldInput input = FieldInput::Text;
    unsigned flags = 0;
    QString whenEmpty = {}; // put in when the field is left empty
};

class InputRules : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Puts a line edit or a combo box under its rule. Every text field takes
    // the one-line rule, filtered ones also refuse paste and drop.
    void add(QWidget *field, const FieldRule &rule = {});
    // Enter in a field of order moves the focus to the next control of order;
    // from the last one to the first when wraps, otherwise it stays put.
    void setEnterOrder(QList<QWidget *> order, bool wraps = true);
    // A screen's own keys, before the rules: true when the press is handled.
    std::function<bool(QWidget *field, QKeyEvent *e)> keyHook;
    // A screen's own exit rule, after the field's.
    std::function<void(QWidget *field)> leaveHook;

    const FieldRule *rule(const QObject *field) const;
    // Runs a field's exit rule now.
    void leave(QWidget *field);

    // The edit of a line edit or of an editable combo box; nullptr otherwise.
    static QLineEdit *editOf(QWidget *field);
    // Trims and/or upper-cases (a-z) the text of edit, keeping the cursor.
    static void shape(QLineEdit *edit, unsigned flags);
    // Sets a field's text and shows it from its beginning.
    static void setShown(QWidget *field, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QWidget *field;
        FieldRule rule;
    };
    const Entry *entry(const QObject *field) const;
    bool keyPress(const Entry &e, QKeyEvent *key);
    void enter(const Entry &e, bool moved);

    QList<Entry> m_fields;
    QList<QWidget *> m_order;
    bool m_wraps = true;
};
