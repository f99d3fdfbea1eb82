#pragma once
// One row per card field: the control (the card's member and its object
// name), the record field it is stored in, its caption, input kind, flags,
// initial and empty values, Salva's warning when it is required, its hint,
// its place in the Enter walk and the shape its band gives it. The band makes
// the control from its row (BandRows::Rows::field), CardScreen binds it, walks
// it with Enter, checks it and writes its hint; only what differs is code.
#include "ui/input/InputRules.h"

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <type_traits>

// The shape of a control; 0 and empty leave the layout's choice.
struct ControlShape {
    int minWidth = 0;
    int width = 0; // fixed
    int maxLength = 0;
    bool centred = false;
    bool right = false; // amounts
    bool readOnly = false;
};

// The card's member that holds the control made from a row. Making the row
// empties the member, so a row whose control no band made is told apart.
class ControlSlot {
public:
    ControlSlot() = default;
    template <class Control>
    ControlSlot(Control *&member)
        : m_at(&member), m_label(std::is_same_v<Control, QLabel>),
          m_get([](void *at) -> QWidget * { return *static_cast<Control **>(at); }),
          m_put(
              [](void *at, QWidget *made) { *static_cast<Control **>(at) = qobject_cast<Control *>(made); }) {
        member = nullptr;
    }

    bool isEmpty() const { return !m_at; }
    bool isFor(const void *member) const { return m_at && m_at == member; }
    bool isLabel() const { return m_label; }
    // The control made so far (nullptr before its band made it).
    QWidget *widget() const { return m_at ? m_get(m_at) : nullptr; }
    // Puts a control made for the row into the member.
    void hold(QWidget *made) const {
        if (m_at)
            m_put(m_at, made);
    }

private:
    void *m_at = nullptr;
    bool m_label = false;
    QWidget *(*m_get)(void *) = nullptr;
    void (*m_put)(void *, QWidget *) = nullptr;
};

// Where a text field stands in the Enter walk: in the order of the rows, or
// after all of them (the appointment's date, which Enter never reaches first).
enum class EnterPlace { InOrder, Last };

struct CardField {
    ControlSlot member = {};       // empty: the control is found by its name
    const char *control;           // object name of the control on the card
    const char *field = nullptr;   // record field; nullptr: none, or the control's name (see CardDefinition)
    const char *caption = nullptr; // before the control in its band; a check box's own text
    FieldInput input = FieldInput::Text;
    unsigned flags = 0;
    QString initial = {};   // what Nuovo and showing put in (combo edits: no item selected)
    QString whenEmpty = {}; // put in when the field is left empty, and by Salva
    QString required = {};  // Salva's warning when the field is empty; empty: not required
    int requiredOrder = 0;  // Salva checks the required fields by this, then in the rows' order
    QString hint = {};      // written into panInfo when the mouse is over the control
    EnterPlace enter = EnterPlace::InOrder;
    ControlShape shape = {};
    QStringList items = {}; // a list's entries
};

// The rows' controls (controls[i] made from rows[i]) under their rules: each
// text field framed while it has the focus ("txtData" -> "effData"), each
// given its input rule, and Enter walking the text fields in the rows' order
// (those placed last after the others).
void applyFieldRules(InputRules &rules, const QList<CardField> &rows, const QList<QWidget *> &controls);
