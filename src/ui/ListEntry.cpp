#include "ui/ListEntry.h"

#include "core/Messages.h"
#include "core/RecordFile.h"
#include "core/RecordLayout.h"
#include "core/TextRules.h"
#include "reports/ListReport.h"
#include "ui/AmountField.h"
#include "ui/KeyFilters.h"
#include "ui/ListPanel.h"
#include "ui/RecordListModel.h"
#include "ui/RecordListView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

ListEntry::ListEntry(QWidget *screen, ListPanel *list, QLabel *position, QLabel *file, EntrySpec setup)
    : QObject(screen), m_screen(screen), m_list(list), m_position(position), m_file(file),
      m_spec(std::move(setup)) {
    for (const EntryField &f : m_spec.fields)
        f.edit->installEventFilter(this);
}

void ListEntry::showEntry() {
    m_spec.showEntryPanel();
    m_spec.fields.front().edit->setFocus();
}

void ListEntry::add() {
    for (const EntryField &f : m_spec.fields) {
        if (f.initial.isEmpty())
            f.edit->clear();
        else
            f.edit->setText(f.initial);
    }
    m_position->clear();
    showEntry();
}

void ListEntry::change() {
    RecordListModel *model = m_list->lstRecords->listModel();
    if (model->count() == 0) {
        Messages::information(
            m_screen, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int row = m_list->lstRecords->currentRow();
    if (row < 0) {
        Messages::warning(m_screen,
                          QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il "
                                         "pulsante di modifica."));
        return;
    }
    // The line keeps its record number: the very record selected is edited,
    // even when another one shows the same line.
    Record record(*m_spec.layout);
    if (!model->readRecord(row, m_file->text(), record)) {
        m_screen->close();
        return;
    }
    for (const EntryField &f : m_spec.fields)
        f.edit->setText(record.get(f.field));
    m_position->setText(QString::number(model->recordNumber(row)));
    showEntry();
}

bool ListEntry::save() {
    if (m_spec.check && !m_spec.check())
        return false;
    for (const EntryField &f : m_spec.fields) {
        if (!f.whenEmpty.isEmpty() && Text::trim(f.edit->text()).isEmpty()) {
            Messages::warning(m_screen, f.whenEmpty);
            f.edit->setFocus();
            return false;
        }
    }
    Record record(*m_spec.layout);
    for (const EntryField &f : m_spec.fields)
        record.set(f.field, f.edit->text());
    const QString path = m_file->text();
    const qint64 n = Text::trim(m_position->text()).toLongLong();
    RecordFile file(path, m_spec.layout->size());
    bool written = !path.isEmpty() && file.open();
    if (written)
        written = n > 0 ? file.overwriteAt(n - 1, record.bytes()) : file.append(record.bytes());
    const qint64 shown = file.position();
    file.close();
    if (!written) {
        Messages::warning(m_screen, CardScreen::archiveFailureText());
        return false;
    }
    m_position->setText(QString::number(shown));
    Messages::information(m_screen, n > 0
                                        ? QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                                         "state salvate in archivio.")
                                        : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    return true;
}

void ListEntry::print(const QString &title, const QString &totalLine) const {
    QStringList lines = m_list->lstRecords->listModel()->lines();
    lines << QStringLiteral("--------------------------") << totalLine;
    ListReport::print(m_screen, title, lines);
}

bool ListEntry::eventFilter(QObject *watched, QEvent *event) {
    const auto &fields = m_spec.fields;
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [watched](const EntryField &f) { return f.edit == watched; });
    // A field being destroyed still gets its focus-out, when it is no line
    // edit any more: it is left alone.
    if (it == fields.end() || !qobject_cast<QLineEdit *>(watched))
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (KeyFilters::isEnter(k)) {
            const size_t next = (size_t(it - fields.begin()) + 1) % fields.size();
            fields[next].edit->setFocus();
            return true;
        }
        if (KeyFilters::isWindowKey(k))
            return false;
        if (it->input == FieldInput::Digits && !KeyFilters::digitAccepts(k))
            return true;
        if (it->input == FieldInput::Amount && !KeyFilters::amountAccepts(k))
            return true;
    } else if (event->type() == QEvent::FocusOut && it->input == FieldInput::Amount) {
        it->edit->setText(AmountField::normalise(it->edit->text()));
    }
    return false;
}
