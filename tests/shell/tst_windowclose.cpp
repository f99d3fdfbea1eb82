// The real program on its own X server: closing the login window the way a
// window manager does (Alt+F4, the taskbar: WM_DELETE_WINDOW) ends the process.
#include "TestEnv.h"
#include "XServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

namespace {
const QString kLogin = QStringLiteral(" Tersalia - Accesso");

bool waitFor(const std::function<bool()> &condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}
} // namespace

class TstWindowClose : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!XServer::running())
            QSKIP("no X server could be started (package xvfb)");
    }

    void closingTheLoginWindowEndsTheProgram() {
        // The program runs from a copy in a temporary program folder.
        TempProgramFolder folder;
        const QString exe = folder.file(QStringLiteral("tersalia"));
        QVERIFY(QFile::copy(QStringLiteral(TERSALIA_EXE), exe));
        folder.write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=5EE66662641A2EB1394199220485\r\n");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), XServer::display());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(exe, {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(waitFor([] { return XServer::hasWindow(kLogin); }, 30000),
                 "the login window never appeared");
        QVERIFY(XServer::closeWindow(kLogin));
        const bool ended = program.waitForFinished(10000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "the program kept running with no window");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

int main(int argc, char *argv[]) {
    XServer::start();
    QCoreApplication app(argc, argv);
    TstWindowClose test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowclose.moc"
