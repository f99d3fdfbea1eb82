#include "ui/card/CardScreen.h"

#include "ui/card/BandRows.h"
#include "ui/input/InputRules.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordFile.h"
#include "core/text/TextRules.h"
#include "ui/input/SingleLine.h"
#include "ui/windows/ScreenNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

const QString kYes = QStringLiteral("S\u00ec");
const QString kNo = QStringLiteral("No");

} // namespace

CardScreen::CardScreen(QWidget *form, CardDefinition definition)
    : QObject(form), m_form(form), m_def(std::move(definition)), m_rules(new InputRules(this)) {
    if (!m_def.layout)
        throw NameError(ScreenNames::of(form), QStringLiteral("the card names no archive"));
    m_position = ScreenNames::control<QLabel>(form, "lblPosizione");
    bind();
    m_rules->keyHook = m_def.keyHook;
    if (m_def.tabAlongFields) {
        QList<QWidget *> tabbed;
        for (const Bound &b : std::as_const(m_fields))
            if (b.widget->focusPolicy() & Qt::TabFocus)
                tabbed.append(b.widget);
        BandRows::tabOrder(tabbed);
    }
    wireCommands();
    QList<QWidget *> fields;
    for (const Bound &b : std::as_const(m_fields))
        fields.append(b.widget);
    m_hints = new HintTracker(form, ScreenNames::control<QLabel>(form, "panInfo"), hints(), fields);
    // Every text field of the card holds one line, whatever is pasted into it.
    SingleLine::attachAll(form);
}

// Each row's control (made by its band, or found by its name), its record
// field and maximum length, then the rows' focus frames, input rules and Enter walk.
void CardScreen::bind() {
    const QString screen = ScreenNames::of(m_form);
    QList<QWidget *> controls;
    for (const CardField &f : std::as_const(m_def.fields)) {
        QWidget *w = f.member.isEmpty() ? ScreenNames::control(m_form, f.control) : f.member.widget();
        if (!w)
            throw NameError(screen,
                            QStringLiteral("no band made the control \"%1\"").arg(QLatin1String(f.control)));
        if (w->objectName() != QLatin1String(f.control))
            throw NameError(screen, QStringLiteral("the row \"%1\" holds the control \"%2\"")
                                        .arg(QLatin1String(f.control), w->objectName()));
        const char *field = f.field ? f.field : m_def.fieldsNamedAfterControls ? f.control : nullptr;
        const int index = field ? m_def.layout->require(field, screen) : -1;
        m_fields.append({f, w, index});

        if (QLineEdit *edit = InputRules::editOf(w); edit && index >= 0)
            edit->setMaxLength(m_def.layout->field(index).width);
        controls.append(w);
    }
    applyFieldRules(*m_rules, m_def.fields, controls);
    for (int i = 0; i < m_fields.size(); ++i)
        if (!m_fields[i].def.required.isEmpty())
            m_required.append(i);
    std::stable_sort(m_required.begin(), m_required.end(), [this](int a, int b) {
        return m_fields[a].def.requiredOrder < m_fields[b].def.requiredOrder;
    });
    if (m_def.firstField)
        bound(m_def.firstField); // a name that is no field's fails here
}

QList<CardHint> CardScreen::hints() const {
    QList<CardHint> all = m_def.hints;
    for (const Bound &b : m_fields)
        if (!b.def.hint.isEmpty())
            all.append({b.def.control, b.def.hint});
    return all;
}

QString CardScreen::archiveFailureText() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
        "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

QString CardScreen::emptyArchiveText() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }

QString CardScreen::archivePath() const { return ProgramFolder::file(m_def.layout->fileName()); }

void CardScreen::wireCommands() {
    const struct {
        const char *name;
        void (CardScreen::*action)();
    } commands[] = {{"cmdNuovo", &CardScreen::newCommand}, {"cmdDuplica", &CardScreen::duplicate},
                    {"cmdPrimo", &CardScreen::first},      {"cmdIndietro", &CardScreen::previous},
                    {"cmdAvanti", &CardScreen::next},      {"cmdUltimo", &CardScreen::last}};
    for (const auto &c : commands)
        if (auto *b = m_form->findChild<QAbstractButton *>(QLatin1String(c.name)))
            connect(b, &QAbstractButton::clicked, this, c.action);
    if (auto *b = m_form->findChild<QAbstractButton *>(QStringLiteral("cmdSalva")))
        connect(b, &QAbstractButton::clicked, this, [this]() { save(); });
}

void CardScreen::newCommand() {
    if (m_def.newCommand)
        m_def.newCommand();
    else
        newCard();
}

const CardScreen::Bound *CardScreen::bound(const QObject *widget) const {
    for (const Bound &b : m_fields)
        if (b.widget == widget)
            return &b;
    return nullptr;
}

const CardScreen::Bound &CardScreen::bound(const char *control) const {
    for (const Bound &b : m_fields)
        if (qstrcmp(b.def.control, control) == 0)
            return b;
    throw NameError(ScreenNames::of(m_form),
                    QStringLiteral("no field of the card is named \"%1\"").arg(QLatin1String(control)));
}

QWidget *CardScreen::control(const char *name) const {
    for (const Bound &b : m_fields)
        if (qstrcmp(b.def.control, name) == 0)
            return b.widget;
    return ScreenNames::control(m_form, name);
}

QString CardScreen::rawText(const Bound &b) const {
    if (auto *e = qobject_cast<QLineEdit *>(b.widget))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(b.widget))
        return c->currentText();
    if (auto *k = qobject_cast<QCheckBox *>(b.widget))
        return k->isChecked() ? kYes : kNo;
    if (auto *l = qobject_cast<QLabel *>(b.widget))
        return l->text();
    return {};
}

void CardScreen::setRawText(const Bound &b, const QString &value) {
    if (InputRules::editOf(b.widget)) {
        InputRules::setShown(b.widget, value);
    } else if (auto *k = qobject_cast<QCheckBox *>(b.widget)) {
        // Only the two flag values move the box.
        if (value == kYes)
            k->setChecked(true);
        else if (value == kNo)
            k->setChecked(false);
    } else if (auto *l = qobject_cast<QLabel *>(b.widget)) {
        l->setText(value);
    }
}

void CardScreen::resetBound(const Bound &b) {
    if (auto *c = qobject_cast<QComboBox *>(b.widget)) {
        c->setCurrentIndex(-1);
        c->setEditText(b.def.initial);
    } else if (auto *k = qobject_cast<QCheckBox *>(b.widget)) {
        k->setChecked(b.def.initial == kYes);
    } else {
        setRawText(b, b.def.initial);
    }
}

QString CardScreen::text(const char *control) const { return Text::trim(rawText(bound(control))); }

void CardScreen::setText(const char *control, const QString &value) { setRawText(bound(control), value); }

void CardScreen::reset(const char *control) { resetBound(bound(control)); }

void CardScreen::focus(const char *control) { this->control(control)->setFocus(Qt::OtherFocusReason); }

void CardScreen::focusFirst() {
    if (m_def.firstField)
        focus(m_def.firstField);
    else if (!m_fields.isEmpty())
        m_fields.first().widget->setFocus(Qt::OtherFocusReason);
}

void CardScreen::setHint(const QString &text) { m_hints->setHint(text); }

qint64 CardScreen::position() const { return Text::trim(m_position->text()).toLongLong(); }

void CardScreen::setPosition(qint64 n) { m_position->setText(n > 0 ? QString::number(n) : QString()); }

void CardScreen::showArchiveFailure(CardCommand command) {
    if (m_def.archiveFailureAsWarning.contains(command))
        Messages::warning(m_form, archiveFailureText());
    else
        Messages::error(m_form, archiveFailureText());
}

bool CardScreen::openArchive(RecordFile &file, CardCommand command) {
    // Looking at the cards only reads, so a read-only share can still be browsed.
    const bool browsing = command == CardCommand::First || command == CardCommand::Previous ||
                          command == CardCommand::Next || command == CardCommand::Last;
    if (browsing ? file.openForReading() : file.open())
        return true;
    showArchiveFailure(command);
    return false;
}

HandBack CardScreen::showChosen() {
    return [this](const Record &record, qint64 number) {
        fill(record);
        setPosition(number);
    };
}

void CardScreen::fill(const Record &record) {
    for (const Bound &b : m_fields)
        if (b.recordField >= 0)
            setRawText(b, record.get(b.recordField));
}

void CardScreen::collect(Record &record) const {
    for (const Bound &b : m_fields)
        if (b.recordField >= 0)
            record.set(b.recordField, rawText(b));
}

void CardScreen::newCard() {
    for (const Bound &b : m_fields)
        if (!(b.def.flags & FieldFlag::KeepOnNew))
            resetBound(b);
    setPosition(0);
    if (m_def.onNew)
        m_def.onNew();
    focusFirst();
}

bool CardScreen::load(qint64 n, CardCommand command) {
    RecordFile file(archivePath(), m_def.layout->size());
    Record record(*m_def.layout);
    if (!openArchive(file, command))
        return false;
    if (!file.readAt(n - 1, record.bytes())) {
        file.close();
        showArchiveFailure(command);
        return false;
    }
    const qint64 shown = file.position();
    file.close();
    fill(record);
    setPosition(shown);
    if (m_def.afterLoad)
        m_def.afterLoad(shown);
    return true;
}

qint64 CardScreen::countRecords(CardCommand command) {
    RecordFile file(archivePath(), m_def.layout->size());
    if (!openArchive(file, command))
        return -1;
    const qint64 count = file.count();
    file.close();
    // The message comes once the file is closed; "next" first empties the label.
    if (count == 0) {
        if (command == CardCommand::Next)
            setPosition(0);
        Messages::information(m_form, emptyArchiveText());
    }
    return count;
}

void CardScreen::first() {
    if (countRecords(CardCommand::First) > 0)
        load(1, CardCommand::First);
}

void CardScreen::last() {
    if (const qint64 count = countRecords(CardCommand::Last); count > 0)
        load(count, CardCommand::Last);
}

void CardScreen::next() {
    const qint64 n = position(); // a new card counts as 0
    if (const qint64 count = countRecords(CardCommand::Next); n < count)
        load(n + 1, CardCommand::Next);
}

void CardScreen::previous() {
    const qint64 n = position();
    if (n == 1)
        return; // the file is not even looked at
    if (countRecords(CardCommand::Previous) > 0)
        load(n == 0 ? 1 : n - 1, CardCommand::Previous);
}

bool CardScreen::readyToStore() {
    if (m_def.saveLeavesField) {
        // The field being edited is left first, so its exit rule has run
        // (also when the window is not the active one and no focus event comes).
        QWidget *f = m_form->focusWidget();
        if (f && m_form->isAncestorOf(f)) {
            m_rules->leave(f);
            f->clearFocus();
        }
    }
    for (int i : std::as_const(m_required)) {
        const Bound &b = m_fields[i];
        if (Text::trim(rawText(b)).isEmpty()) {
            Messages::warning(m_form, b.def.required);
            b.widget->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    for (const Bound &b : m_fields)
        if (!b.def.whenEmpty.isEmpty() && Text::trim(rawText(b)).isEmpty())
            setRawText(b, b.def.whenEmpty);
    return !m_def.beforeStore || m_def.beforeStore();
}

void CardScreen::showStored(qint64 n) {
    setPosition(n);
    if (m_def.afterSave)
        m_def.afterSave(n);
}

bool CardScreen::save() {
    if (!readyToStore())
        return false;

    RecordFile file(archivePath(), m_def.layout->size());
    if (!openArchive(file, CardCommand::Save))
        return false;
    Record record(*m_def.layout);
    collect(record);
    const qint64 n = position();
    const auto lastChanges = [this, &record](qint64 count) {
        if (m_def.beforeAppend)
            m_def.beforeAppend(count, record);
    };
    const bool written =
        n > 0 ? file.overwriteAt(n - 1, record.bytes()) : file.append(record.bytes(), lastChanges);
    const qint64 shown = file.position();
    file.close();
    if (!written) {
        showArchiveFailure(CardCommand::Save); // the label keeps its value
        return false;
    }
    showStored(shown);
    Messages::information(m_form,
                          n > 0 ? QStringLiteral("Le modifiche apportate alla scheda corrente sono state "
                                                 "salvate in archivio.")
                                : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    return true;
}

void CardScreen::duplicate() {
    if (position() == 0) {
        Messages::warning(m_form, m_def.duplicateWarning);
        return;
    }
    setPosition(0); // a new card with the old card's values
    if (m_def.duplicateChecksArchive) {
        RecordFile file(archivePath(), m_def.layout->size());
        if (!openArchive(file, CardCommand::Duplicate))
            return;
        file.close();
    }
    for (const Bound &b : m_fields)
        if (b.def.flags & FieldFlag::ResetOnDuplicate)
            resetBound(b);
    if (m_def.afterDuplicate)
        m_def.afterDuplicate();
    focusFirst();
    Messages::information(m_form, m_def.duplicateDone);
}
