#pragma once
// Every modal message of the program goes through here, so tests can read
// what was shown and script the answer instead of facing a real dialog.
#include <QString>

class QWidget;

enum class MessageKind {
    Warning,      // a missing or wrong input (OK, Cancel; answer unused)
    Error,        // an archive that cannot be accessed (OK, Cancel; answer unused)
    Information,  // an action done, an empty archive (OK, Cancel; answer unused)
    Confirmation, // a yes/no question
    Plain         // a plain box with OK
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the message; for a confirmation returns false only for No.
    virtual bool show(QWidget *parent, MessageKind kind, const QString &text) = 0;
};

namespace Messages {

void warning(QWidget *parent, const QString &text);
void error(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &text);
void plain(QWidget *parent, const QString &text);
// True unless the user answers No.
bool confirm(QWidget *parent, const QString &text);

// Replaces the dialogs (nullptr restores the real ones).
void setSink(MessageSink *sink);

} // namespace Messages
