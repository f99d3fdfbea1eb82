#pragma once
// The add/change flow of a list screen with an entry panel (services supplied,
// work register). Aggiungi empties the entry fields; Modifica fills them from
// the very line selected, since every line keeps its record number; Salva
// checks the required fields, then overwrites that record or appends a new one
// to the screen's file. Enter moves through the fields in order, a field's
// input kind filters its keys.
#include "ui/CardScreen.h" // FieldInput

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class ListPanel;
class QLabel;
class QLineEdit;
class QWidget;
class RecordLayout;

struct EntryField {
    QLineEdit *edit;
    const char *field;                   // its record field
    FieldInput input = FieldInput::Text; // Text, Digits or Amount (normalised on leaving)
    QString initial;                     // what Aggiungi leaves in it
    QString whenEmpty;                   // the warning of Salva when it is blank; none: not required
};

struct EntrySpec {
    const RecordLayout *layout;
    std::vector<EntryField> fields;       // in Enter order; the first takes the focus
    std::function<bool()> check;          // the screen's own checks, first on Salva; false stops
    std::function<void()> showEntryPanel; // brings the entry panel forward
};

class ListEntry : public QObject {
    Q_OBJECT
public:
    // position: hidden label with the record number being edited, empty for a
    // new one; file: hidden label with the screen's file.
    ListEntry(QWidget *screen, ListPanel *list, QLabel *position, QLabel *file, EntrySpec setup);

    void add();
    void change();
    bool save();
    // The list's lines, a rule and the total line, printed under title.
    void print(const QString &title, const QString &totalLine) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showEntry();

    QWidget *m_screen;
    ListPanel *m_list;
    QLabel *m_position;
    QLabel *m_file;
    EntrySpec m_spec;
};
