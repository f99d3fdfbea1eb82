#include "ui/lists/QuickFind.h"

#include "ui/platform/Messages.h"
#include "ui/lists/RecordListView.h"
#include "core/text/TextRules.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

namespace QuickFind {

int next(const QStringList &lowered, int selected, const QString &typed, QString &memory) {
    return next(
        int(lowered.size()),
        [&lowered](int row, const QString &text) { return lowered.at(row).contains(text); }, selected, typed,
        memory);
}

int next(int count, const LineTest &holds, int selected, const QString &typed, QString &memory) {
    const int n = count;
    if (n == 0)
        return -1;
    if (selected < 0 || selected >= n)
        selected = 0;
    const QString text = Text::lowerAZ(typed);
    const bool sameText = text == memory;
    memory = text;
    if (text.isEmpty())
        return -1; // an empty text never finds anything
    const int start = sameText ? selected : 0;
    for (int step = sameText ? 1 : 0; step <= n; ++step) {
        const int i = (start + step) % n;
        if (holds(i, text))
            return i;
        if (!sameText && step == n - 1)
            break;
    }
    return -1;
}

} // namespace QuickFind

QuickFinder::QuickFinder(QLineEdit *txtTrova, QAbstractButton *btnTrova, RecordListView *list)
    : QObject(list), m_text(txtTrova), m_list(list) {
    connect(btnTrova, &QAbstractButton::clicked, this, &QuickFinder::find);
    connect(txtTrova, &QLineEdit::returnPressed, btnTrova, qOverload<>(&QWidget::setFocus));
    // btnTrova is no default button (the Enter that focuses it must not also
    // press it), so its own Enter is handled here.
    btnTrova->installEventFilter(this);
}

bool QuickFinder::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (static_cast<QAbstractButton *>(watched)->isEnabled())
                static_cast<QAbstractButton *>(watched)->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void QuickFinder::find() {
    RecordListModel *model = m_list->listModel();
    if (model->count() == 0) {
        Messages::plain(m_list->window(),
                        QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    if (m_list->currentRow() < 0)
        m_list->selectRow(0);
    const int found = QuickFind::next(
        model->count(), [model](int row, const QString &text) { return model->lineHolds(row, text); },
        m_list->currentRow(), m_text->text(), m_memory);
    if (found >= 0)
        m_list->selectRow(found);
}
