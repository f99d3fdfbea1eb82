#pragma once
// The entry-list screen (services supplied, work register): two panels in
// one place. The list panel `panContainer` shows the lines of one record file
// with the quick find, Aggiungi and Modifica and a total line; the entry
// panel `panCosti` shows the fields of one entry with Salva and Chiudi.
// Aggiungi empties the fields; Modifica fills them from the very line
// selected, since every line keeps its record number; Salva runs the fields'
// exit rules and checks the required ones, then overwrites that record or
// appends a new one. Both panels have the cards' look, and the fields the
// cards' input rules. A screen is its field table plus its list and total.
#include "ui/widgets/Artwork.h"
#include "ui/card/CardIcons.h"
#include "ui/input/InputRules.h"
#include "ui/lists/ListDialog.h"

#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class RecordLayout;

struct EntryField {
    const char *control; // object name of its edit
    const char *field;   // its record field
    QString caption;
    int maxLength; // what can be typed (the record field may be wider)
    FieldInput input = FieldInput::Text;
    QString initial = {};        // what Aggiungi leaves in it
    QString whenEmpty = {};      // Salva's warning when it is blank; none: not required
    int width = 0;               // fixed width in pixels; 0: as wide as the row
    bool besidePrevious = false; // on the row of the field before it
};

// An icon beside a field that fills it (today's date, the time).
struct EntryButton {
    const char *control;
    const char *beside; // the field's control
    CardIcons::Symbol symbol;
    QString tip;
    std::function<QString()> value;
};

struct EntrySpec {
    const char *objectName;
    QString caption;      // the window title
    Artwork::Glyph glyph; // the banner's symbol
    QString bannerTitle;  // the words of the banner
    QString bannerLine;   // and its line of text
    const RecordLayout *layout;
    std::vector<EntryField> fields; // in Enter order; the first takes the focus
    std::vector<EntryButton> buttons;
    QString addText;                  // "Aggiungi voce"
    QString changeText;               // "Modifica voce"
    QString totalCaption;             // before the total
    std::function<bool()> check = {}; // the screen's own checks, first on Salva; false stops
};

class ListEntry : public ListDialog {
    Q_OBJECT
public:
    ListEntry(QWidget *parent, EntrySpec setup);

    // List panel (with list: txtTrova, btnTrova, lstRecords, lblRigo03, btnStampa, btnChiudi).
    QWidget *panContainer;
    QLabel *lblTitolo, *lblRigo01, *lblTotale;
    QPushButton *btnAggiungi, *btnModifica;
    // Entry panel.
    QWidget *panCosti;
    QLabel *titIstruzioni;
    QPushButton *btnSalva, *cmdClose;
    QLabel *lblPosizione; // hidden: the entry being edited, empty for a new one
    QLabel *lblFile;      // hidden: the screen's file

    QLineEdit *edit(const char *control) const;
    QToolButton *button(const char *control) const;

    void add();
    void change();
    bool save();
    // The list's lines, a rule, the total line and what the total leaves out,
    // printed under title.
    void print(const QString &title, const QString &totalLine);

protected:
    // The record file the screen lists and writes.
    void setFile(const QString &path);
    void showEvent(QShowEvent *e) override;

private:
    void checkNames() const;
    void showEntry();

    EntrySpec m_setup;
    std::vector<QLineEdit *> m_edits; // in the order of the table's fields
    InputRules *m_rules;
    QStackedWidget *m_stack;
};
