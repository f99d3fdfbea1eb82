#include "TestEnv.h"

#include "core/platform/ProgramFolder.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

namespace {
bool run(const QString &program, const QStringList &arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

ReadOnlyPath::ReadOnlyPath(const QString &path) : m_path(path) {
#ifdef Q_OS_UNIX
    if (::geteuid() == 0) {
        if (!run(QStringLiteral("mount"), {QStringLiteral("--bind"), path, path}))
            return;
        m_mounted = true;
        m_ok = run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), path});
        return;
    }
#endif
    m_permissions = int(QFile::permissions(path));
    const auto writable =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    m_ok = QFile::setPermissions(path, QFileDevice::Permissions(m_permissions) & ~writable);
}

ReadOnlyPath::~ReadOnlyPath() {
    if (m_mounted)
        run(QStringLiteral("umount"), {m_path});
    else if (m_ok)
        QFile::setPermissions(m_path, QFileDevice::Permissions(m_permissions));
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

QString ScriptedFileDialogs::folder(QWidget *, const QString &, const QString &startFolder) {
    startFolders.append(startFolder);
    return take();
}

NoModalExpected::NoModalExpected() { qApp->installEventFilter(this); }
NoModalExpected::~NoModalExpected() { qApp->removeEventFilter(this); }

bool NoModalExpected::eventFilter(QObject *watched, QEvent *event) {
    auto *window = qobject_cast<QWidget *>(watched);
    if (event->type() != QEvent::Show || !window || !window->isWindow() || !window->isModal())
        return false;
    const QString what = QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(" \"") +
                         window->windowTitle() + QLatin1Char('"');
    seen.append(what);
    QTest::qFail(qPrintable(QStringLiteral("unexpected modal window ") + what), __FILE__, __LINE__);
    // Closed once its exec() is running, which then returns to the test.
    QTimer::singleShot(0, window, [window]() {
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->done(QDialog::Rejected);
        else
            window->close();
    });
    return false;
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
