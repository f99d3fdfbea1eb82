#include "ui/platform/Messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

class DialogSink : public MessageSink {
public:
    bool show(QWidget *parent, MessageKind kind, const QString &text) override {
        QMessageBox box(parent);
        // Messages quote stored values (a name, a code): shown as typed, never as markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        switch (kind) {
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QStringLiteral(" Attenzione"));
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle(QStringLiteral(" Errore"));
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle(QStringLiteral(" Informazione"));
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QStringLiteral(" Conferma"));
            break;
        case MessageKind::Plain:
            box.setWindowTitle(QStringLiteral(" Tersalia"));
            break;
        }
        if (kind == MessageKind::Confirmation) {
            box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
            QAbstractButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
            box.exec();
            return box.clickedButton() != no;
        }
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (kind != MessageKind::Plain)
            box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        box.exec();
        return true;
    }
};

MessageSink *dialogs() {
    static DialogSink sink;
    return &sink;
}

MessageSink *&current() {
    static MessageSink *sink = dialogs();
    return sink;
}

} // namespace

namespace Messages {

void warning(QWidget *p, const QString &t) { current()->show(p, MessageKind::Warning, t); }
void error(QWidget *p, const QString &t) { current()->show(p, MessageKind::Error, t); }
void information(QWidget *p, const QString &t) { current()->show(p, MessageKind::Information, t); }
void plain(QWidget *p, const QString &t) { current()->show(p, MessageKind::Plain, t); }
bool confirm(QWidget *p, const QString &t) { return current()->show(p, MessageKind::Confirmation, t); }

void setSink(MessageSink *sink) { current() = sink ? sink : dialogs(); }

} // namespace Messages
