#pragma once
// Test doubles for the program's seams and a temporary program folder.
#include "core/platform/Alarm.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A temporary program folder for the life of the object.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with trailing "/"
    QString file(const QString &name) const { return path() + name; }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

// Makes a folder or a file read-only for the life of the object, as a
// read-only share or copy is, also for root (who ignores permissions): a
// read-only bind mount as root, the permissions otherwise. ok() is false when
// neither can be done (the test then skips).
class ReadOnlyPath {
public:
    explicit ReadOnlyPath(const QString &path);
    ~ReadOnlyPath();
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_mounted = false;
    bool m_ok = false;
    int m_permissions = 0;
};

struct ShownMessage {
    MessageKind kind;
    QString text;
};

// Records every message instead of showing it; confirmations are answered
// from a queue (Yes when the queue is empty).
class ScriptedMessages : public MessageSink {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;
    bool show(QWidget *parent, MessageKind kind, const QString &text) override;

    void answerNext(bool yes) { m_answers.append(yes); }
    // Called when a message is shown (for example to check the files at that moment).
    std::function<void(const ShownMessage &)> onShow;
    QList<ShownMessage> shown;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear() { shown.clear(); }

private:
    QList<bool> m_answers;
};

class RecordingShell : public ShellOpener {
public:
    RecordingShell();
    ~RecordingShell() override;
    bool open(const QString &command) override {
        commands.append(command);
        return opens;
    }
    QStringList commands;
    bool opens = true; // false: the desktop fails, as with no program for the file
};

// Records what the alarm player is asked to do instead of playing a sound:
// "play <path>" and "stop", in order.
class RecordingAlarm : public AlarmPlayer {
public:
    RecordingAlarm();
    ~RecordingAlarm() override;
    void play(const QString &path) override { calls.append(QStringLiteral("play ") + path); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    QStringList calls;
};

class ScriptedFileDialogs : public FileDialogSink {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override;
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override;
    QString folder(QWidget *, const QString &, const QString &startFolder) override;
    QStringList nextNames;    // taken in order by every dialog; empty means "cancelled"
    QStringList startFolders; // the folder each folder dialog was opened on

private:
    QString take();
};

// The doubles most screen tests need together, made and dropped per test.
struct ScreenSeams {
    TempProgramFolder folder;
    ScriptedMessages messages;
    RecordingShell shell;
};

// For the life of the object, a modal window that opens (a screen's exec(),
// a message box) fails the test at once, naming the window, and is closed, so
// the test goes on instead of waiting for the watchdog. For steps that must
// open nothing modal; whenModal() is for those that must.
class NoModalExpected : public QObject {
public:
    NoModalExpected();
    ~NoModalExpected() override;
    QStringList seen; // class and title of each window refused

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Runs action on the next modal widget that appears (polling), so a test can
// drive a dialog opened with exec(). Call before the click that opens it.
void whenModal(std::function<void(QWidget *)> action, int timeoutMs = 5000);
