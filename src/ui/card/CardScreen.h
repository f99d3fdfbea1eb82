#pragma once
// The behaviour shared by every card screen (appointments, clients,
// employees, contracts): one record of one record file shown in named
// controls, the position label `lblPosizione` as the only link to the file,
// paging, Nuovo, Salva, Duplica, the focus frames and the hints in `panInfo`;
// the Enter order, key filters and exit rules of its fields are InputRules.
//
// A card declares its fields, one row each (ui/card/CardField), lets its bands
// make their controls from the rows, then creates one CardScreen with its
// CardDefinition: the rows, the commands' hints, and hooks for what is truly
// its own. The Enter walk, Salva's required fields and the fields' hints come
// from the rows; every name the rows and hints give is checked here, and a
// wrong one is a NameError naming the card and the name. Controls are told
// apart by type: QLineEdit and QComboBox hold text, QCheckBox a "Sì"/"No"
// flag, a (hidden) QLabel a value the user does not edit (derived fields,
// attachment names).
#include "ui/card/CardField.h"
#include "ui/input/InputRules.h"
#include "ui/lists/HandBack.h"
#include "ui/windows/HintTracker.h"
#include "core/records/RecordLayout.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLabel;
class QWidget;

enum class CardCommand { New, Save, Duplicate, First, Previous, Next, Last };

struct CardDefinition {
    const RecordLayout *layout = nullptr;
    // One row per field. Enter walks the text fields in the rows' order (those
    // placed last after the others) and wraps.
    QList<CardField> fields;
    // A row without a record field is stored under its control's name (the
    // contract record names its fields after the controls); otherwise not stored.
    bool fieldsNamedAfterControls = false;
    // Tab walks the fields in the rows' order too, check boxes included
    // (otherwise in the order the bands made them).
    bool tabAlongFields = false;
    QList<CardHint> hints;            // the commands' hints; the fields' are in their rows
    const char *firstField = nullptr; // focused by Nuovo and Duplica; nullptr: the first row's
    // Salva first moves the focus out of the field being edited, so its exit
    // rule runs before the values are read.
    bool saveLeavesField = true;
    // Duplica opens and closes the archive as an access check.
    bool duplicateChecksArchive = true;
    QString duplicateWarning = QStringLiteral(
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in "
        "archivio.");
    QString duplicateDone =
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                       "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                       "archivio.");
    // Commands whose archive failure is shown as a warning instead of an error.
    QList<CardCommand> archiveFailureAsWarning;

    // Hooks, all optional.
    std::function<void()> newCommand;      // Nuovo clicked: the card's own Nuovo, in place of newCard()
    std::function<void()> onNew;           // after the initial values are in
    std::function<bool()> beforeStore;     // Salva after the checks: derived values; false stops
    std::function<void(qint64)> afterLoad; // a record was shown (its number)
    // Salva of a new card, under the archive's lock: the record about to
    // become number count + 1 (what depends on the count is chosen here).
    std::function<void(qint64 count, Record &record)> beforeAppend;
    std::function<void(qint64)> afterSave;               // the record was written and the file closed
    std::function<void()> afterDuplicate;                // the copy is ready, before its message
    std::function<bool(QWidget *, QKeyEvent *)> keyHook; // a field's own keys: true when handled
};

class CardScreen : public QObject {
    Q_OBJECT
public:
    // The form's controls must exist: they are found by their object names.
    // Connects cmdNuovo, cmdSalva, cmdDuplica, cmdPrimo, cmdIndietro,
    // cmdAvanti and cmdUltimo when the form has them (Nuovo runs the
    // definition's newCommand when it has one).
    CardScreen(QWidget *form, CardDefinition definition);

    static QString archiveFailureText();
    static QString emptyArchiveText();

    const CardDefinition &definition() const { return m_def; }
    QString archivePath() const;

    // 0 while the card is new, otherwise the record number shown.
    qint64 position() const;
    void setPosition(qint64 n); // 0 empties the label

    void newCard();
    bool save();
    // Salva's first steps, for a command that stores the card another way:
    // the field being edited left, the required fields with their warnings,
    // the empty-field defaults and the derived values. False: not storable.
    bool readyToStore();
    // The card was stored as record n by such a command: the card shows it,
    // as after Salva (without Salva's message).
    void showStored(qint64 n);
    void duplicate();
    void first();
    void previous();
    void next();
    void last();
    // Reads record n (1-based) and shows it; false after the archive message.
    bool load(qint64 n, CardCommand command = CardCommand::First);
    // Puts a record's values into the controls (a flag that is neither "Sì"
    // nor "No" leaves its box as it was) / reads the controls into a record.
    void fill(const Record &record);
    // Shows a record chosen in a search or list as record number n of this card.
    HandBack showChosen();
    void collect(Record &record) const;

    QWidget *control(const char *name) const;
    // A field's text (trimmed), set, reset; a name that is no field's is a NameError.
    QString text(const char *control) const;
    void setText(const char *control, const QString &value);
    void reset(const char *control); // back to its initial value
    void focus(const char *control);
    void focusFirst(); // the field Nuovo and Duplica focus
    void setHint(const QString &text);
    void showArchiveFailure(CardCommand command);

private:
    struct Bound {
        CardField def;
        QWidget *widget;
        int recordField; // -1: not stored
    };
    void bind();
    QList<CardHint> hints() const;
    const Bound *bound(const QObject *widget) const;
    const Bound &bound(const char *control) const;
    QString rawText(const Bound &b) const;
    void setRawText(const Bound &b, const QString &value);
    void resetBound(const Bound &b);
    void wireCommands();
    void newCommand();
    bool openArchive(class RecordFile &file, CardCommand command);
    // The number of records, -1 after the archive message; tells an empty archive.
    qint64 countRecords(CardCommand command);

    QWidget *m_form;
    CardDefinition m_def;
    InputRules *m_rules; // the fields' input rules
    QList<Bound> m_fields;
    QList<int> m_required; // the required fields, in the order Salva checks them
    QLabel *m_position = nullptr;
    HintTracker *m_hints = nullptr;
};
