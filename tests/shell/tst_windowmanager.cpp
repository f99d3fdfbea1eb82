// Windows as a window manager shows them, on a 1366×768 screen under openbox:
// every window opens whole on screen, its title bar included, centred on its
// opener; dialogs with no border icons of their own get only a close box and
// come back when minimised all the same; the password change and the login
// come back centred.
#include "DialogsByName.h"
#include "StartedScreens.h"
#include "TestEnv.h"
#include "XServer.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/card/Startup.h"
#include "contracts/print/AnteprimaCon.h"
#include "contracts/card/Contratto.h"
#include "core/records/Archives.h"
#include "core/records/RecordLayout.h"
#include "employees/card/AnteprimaDipendenti.h"
#include "employees/card/Dipendenti.h"
#include "reports/ReportPreview.h"
#include "shell/Application.h"
#include "shell/CambiaPassword.h"
#include "shell/Password.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

bool g_windowManager = false;

// The window as the user sees it, once the window manager has framed and
// placed it (its frame stays put for a while).
QRect settledFrame(QWidget *w) {
    QRect last;
    int still = 0;
    for (int i = 0; i < 200 && still < 8; ++i) {
        QTest::qWait(50);
        const QRect now = XServer::frameGeometry(w->winId());
        still = now.isValid() && now == last && now.size() != w->size() ? still + 1 : 0;
        last = now;
    }
    return last;
}

QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Whole on screen, and centred on the opener's frame unless the screen's edge
// stopped it.
void checkPlaced(const QRect &frame, const QRect &opener, const char *what) {
    QVERIFY2(frame.isValid(), what);
    QVERIFY2(screenArea().contains(frame), qPrintable(QStringLiteral("%1 at %2,%3 %4×%5")
                                                          .arg(QLatin1String(what))
                                                          .arg(frame.x())
                                                          .arg(frame.y())
                                                          .arg(frame.width())
                                                          .arg(frame.height())));
    const QPoint off = frame.center() - opener.center();
    const bool atEdge = frame.left() == screenArea().left() || frame.top() == screenArea().top() ||
                        frame.right() == screenArea().right() || frame.bottom() == screenArea().bottom();
    QVERIFY2(atEdge || (std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2),
             qPrintable(QStringLiteral("%1 is %2,%3 off its opener's centre")
                            .arg(QLatin1String(what))
                            .arg(off.x())
                            .arg(off.y())));
}

// Runs action on the next modal window of class Screen (another modal may be
// showing meanwhile, as the launcher under its preview). Arm before the click.
template <typename Screen> void whenModalIs(std::function<void(Screen *)> action) {
    auto *timer = new QTimer;
    timer->setInterval(20);
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, [timer, action, ticks]() mutable {
        auto *modal = qobject_cast<Screen *>(QApplication::activeModalWidget());
        if (!modal && ++ticks < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            action(modal);
    });
    timer->start();
}

// Notes whether a window was ever minimised (its state as Qt learns it from
// the window manager).
struct MinimiseWatch : QObject {
    bool minimised = false;
    explicit MinimiseWatch(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::WindowStateChange &&
            (static_cast<QWidget *>(o)->windowState() & Qt::WindowMinimized))
            minimised = true;
        return false;
    }
};

} // namespace

class TstWindowManager : public QObject {
    Q_OBJECT
    std::unique_ptr<StartedScreens> started;

private slots:
    void initTestCase() {
        if (!XServer::running())
            QSKIP("no X server could be started (package xvfb)");
        if (!g_windowManager)
            QSKIP("no window manager could be started (package openbox)");
    }
    void init() { started = std::make_unique<StartedScreens>(); }
    void cleanup() { started.reset(); }

    // The print previews opened from "Mostra anteprima": whole, title bar
    // included, centred on the dialog that opened them.
    void previewsOpenWholeAndCentredOnTheirOpener_data() {
        QTest::addColumn<QString>("card");
        QTest::newRow("scheda dipendente") << "dipendente";
        QTest::newRow("contratto") << "contratto";
        QTest::newRow("appuntamento") << "appuntamento";
    }
    void previewsOpenWholeAndCentredOnTheirOpener() {
        QFETCH(QString, card);
        const Tersalia::Screens &s = Tersalia::screens();
        ModuleWindow *module = nullptr;
        std::unique_ptr<PrintLauncher> launcher;
        if (card == QLatin1String("dipendente")) {
            module = s.dipendenti;
            QImage photo(60, 80, QImage::Format_RGB32);
            photo.fill(Qt::gray);
            launcher =
                std::make_unique<TfrmAnteprimaDipendenti>(module, Record(Archives::employees()), photo);
        } else if (card == QLatin1String("contratto")) {
            module = s.contratto;
            launcher = std::make_unique<TfrmAnteprimaCon>(module, Record(Archives::contracts()));
        } else {
            module = s.scadenze;
            launcher = std::make_unique<TfrmStartup>(module, Record(Archives::appointments()));
        }
        module->openModule();
        QVERIFY(QTest::qWaitForWindowExposed(module));
        settledFrame(module);

        QRect launcherFrame, previewFrame;
        bool previewed = false;
        whenModalIs<PrintLauncher>([&](PrintLauncher *l) {
            launcherFrame = settledFrame(l);
            whenModalIs<ReportPreview>([&](ReportPreview *p) {
                previewFrame = settledFrame(p);
                previewed = true;
                p->close();
            });
            QTimer::singleShot(0, l->btnStampa, &QAbstractButton::click);
        });
        launcher->exec();
        QVERIFY(previewed);
        checkPlaced(launcherFrame, XServer::frameGeometry(module->winId()), "the launcher");
        checkPlaced(previewFrame, launcherFrame, "the preview");
        QVERIFY(previewFrame.top() >= screenArea().top()); // its title bar can be seen and taken
        module->close();
    }

    // Dialogs with no border icons of their own ask the window manager for a
    // title bar with only the close box: no minimise, no maximise.
    void dialogsWithoutBorderIconsHaveOnlyACloseBox_data() {
        QTest::addColumn<QString>("dialog");
        for (const QString &name : dialogNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void dialogsWithoutBorderIconsHaveOnlyACloseBox() {
        QFETCH(QString, dialog);
        std::unique_ptr<QWidget> owned;
        QWidget *w = dialogByName(dialog, owned);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        checkPlaced(settledFrame(w), screenArea(), "the dialog");

        enum : unsigned long {
            FuncsGiven = 1,
            DecorGiven = 2,
            All = 1,
            FuncMinimize = 8,
            FuncMaximize = 16,
            FuncClose = 32,
            DecorTitle = 8,
            DecorMinimize = 32,
            DecorMaximize = 64
        };
        const QList<unsigned long> hints = XServer::motifHints(w->winId());
        QCOMPARE(hints.size(), 3);
        const unsigned long flags = hints.at(0), functions = hints.at(1), decorations = hints.at(2);
        QVERIFY2(flags & DecorGiven, "the window says which decorations it wants");
        QVERIFY(decorations & DecorTitle);
        QVERIFY(!(decorations & (All | DecorMinimize | DecorMaximize)));
        QVERIFY(flags & FuncsGiven);
        QVERIFY(functions & FuncClose);
        QVERIFY(!(functions & (All | FuncMinimize | FuncMaximize)));
        const QStringList actions = XServer::allowedActions(w->winId());
        QVERIFY2(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")), qPrintable(actions.join(u' ')));
        QVERIFY(!actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ")));
        QVERIFY(!actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_VERT")));
        w->hide();
    }

    // The window manager draws a minimise button on every dialog all the
    // same (openbox does, whatever the window asks); a dialog it minimises,
    // modal as when the program opens it, comes straight back on screen:
    // hidden, it would block the program from a window nobody can reach.
    void minimisedDialogsComeBack_data() {
        QTest::addColumn<QString>("dialog");
        // The login and the password change are the program's only window
        // while they show: not modal, they minimise as the user asks.
        for (const QString &name : dialogNames())
            if (name != QLatin1String("accesso") && name != QLatin1String("cambia password"))
                QTest::newRow(qPrintable(name)) << name;
        QTest::newRow("messaggio") << QStringLiteral("messaggio");
    }
    void minimisedDialogsComeBack() {
        QFETCH(QString, dialog);
        std::unique_ptr<QWidget> owned;
        QWidget *w = nullptr;
        if (dialog == QLatin1String("messaggio")) {
            owned = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tersalia"),
                                                  QStringLiteral("Il codice fiscale non è valido."));
            w = owned.get();
        } else {
            w = dialogByName(dialog, owned);
        }
        QVERIFY(w);
        const Qt::WindowModality modality = w->windowModality();
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        settledFrame(w);
        QVERIFY(XServer::isViewable(w->winId()));

        MinimiseWatch watch(w);
        XServer::iconify(w->winId());
        QTRY_VERIFY2_WITH_TIMEOUT(watch.minimised, "the window manager minimised the dialog", 5000);
        QTRY_VERIFY_WITH_TIMEOUT(XServer::isViewable(w->winId()), 5000);
        QVERIFY(!(w->windowState() & Qt::WindowMinimized));
        QVERIFY(w->isVisible());
        w->hide();
        w->setWindowModality(modality);
    }

    // The login opens centred, the password change opens centred, and the
    // login comes back centred after it.
    void passwordChangeAndLoginComeBackCentred() {
        const Tersalia::Screens &s = Tersalia::screens();
        s.password->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.password));
        checkPlaced(settledFrame(s.password), screenArea(), "the login");

        s.password->btnCambiaPassword->click();
        QVERIFY(QTest::qWaitForWindowExposed(s.cambiaPassword));
        QTRY_VERIFY(!s.password->isVisible());
        checkPlaced(settledFrame(s.cambiaPassword), screenArea(), "the password change");

        s.cambiaPassword->cmdEsci->click();
        QVERIFY(QTest::qWaitForWindowExposed(s.password));
        checkPlaced(settledFrame(s.password), screenArea(), "the login after the change");
        s.password->hide();
    }
};

int main(int argc, char *argv[]) {
    // Before the application: the server picks the platform.
    g_windowManager = XServer::start(QSize(1366, 768)) && XServer::startWindowManager();
    QApplication app(argc, argv);
    TstWindowManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowmanager.moc"
