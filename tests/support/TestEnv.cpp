#include "TestEnv.h"

#include "core/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWidget>

TempProgramFolder::TempProgramFolder() { ProgramFolder::setPath(m_dir.path()); }
TempProgramFolder::~TempProgramFolder() { ProgramFolder::setPath(QString()); }
QString TempProgramFolder::path() const { return m_dir.path() + QLatin1Char('/'); }

QByteArray TempProgramFolder::read(const QString &name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempProgramFolder::write(const QString &name, const QByteArray &bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

ScriptedMessages::ScriptedMessages() { Messages::setSink(this); }
ScriptedMessages::~ScriptedMessages() { Messages::setSink(nullptr); }

bool ScriptedMessages::show(QWidget *, MessageKind kind, const QString &text) {
    shown.append({kind, text});
    if (onShow)
        onShow(shown.last());
    if (kind != MessageKind::Confirmation || m_answers.isEmpty())
        return true;
    return m_answers.takeFirst();
}

RecordingShell::RecordingShell() { TMisc::setOpener(this); }
RecordingShell::~RecordingShell() { TMisc::setOpener(nullptr); }

RecordingAlarm::RecordingAlarm() { Alarm::setPlayer(this); }
RecordingAlarm::~RecordingAlarm() { Alarm::setPlayer(nullptr); }

ScriptedFileDialogs::ScriptedFileDialogs() { FileDialogs::setSink(this); }
ScriptedFileDialogs::~ScriptedFileDialogs() { FileDialogs::setSink(nullptr); }
QString ScriptedFileDialogs::take() { return nextNames.isEmpty() ? QString() : nextNames.takeFirst(); }
QString ScriptedFileDialogs::openFile(QWidget *, const QString &, const QString &, const QString &) {
    return take();
}
QString ScriptedFileDialogs::saveFile(QWidget *, const QString &, const QString &, const QString &) {
    return take();
}

void whenModal(std::function<void(QWidget *)> action, int timeoutMs) {
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (modal)
            action(modal);
    });
    timer->start();
}
