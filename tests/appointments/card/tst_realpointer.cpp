// Hints under a real pointer: the appointment card runs on its own X server
// and the pointer is moved there as a user moves the mouse, so the enter and
// move events come from the window system, not from the test.
#include "TestEnv.h"
#include "XServer.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "core/platform/Clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TstRealPointer : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenSeams> seams;
    TfrmArchivio_Scadenze *card = nullptr;

    // Moves the pointer in a few small steps ending at the centre of w, as a
    // hand does, and lets the window system deliver the events.
    void pointAt(QWidget *w) {
        const QPoint centre = w->mapToGlobal(w->rect().center());
        for (int dx : {-6, -3, -1, 0}) {
            XServer::movePointer(centre + QPoint(dx, 0));
            QTest::qWait(40);
        }
        QTest::qWait(150);
    }

private slots:
    void initTestCase() {
        if (!XServer::running())
            QSKIP("no X server could be started (package xvfb)");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    void init() {
        Clock::setFixed(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        seams = std::make_unique<ScreenSeams>();
        card = new TfrmArchivio_Scadenze;
        card->setGeometry(0, 0, 1200, 900);
        card->show();
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QTest::qWait(200);
    }
    void cleanup() {
        delete card;
        seams.reset();
        Clock::setFixed(QDateTime());
    }

    void commandsShowTheirHint_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Salva") << "cmdSalva"
                               << "Salva la scheda corrente in archivio.";
        QTest::newRow("WhatsApp") << "btnWhatsApp"
                                  << "Invia conferma appuntamento al cliente tramite WhatsApp.";
        QTest::newRow("calendar icon") << "impData"
                                       << "Importa la data dal calendario.";
        QTest::newRow("fulfilled box") << "chkOttemperata"
                                       << "Spunta questa casella per indicare che l'impegno è stato assolto.";
        QTest::newRow("last card") << "cmdUltimo"
                                   << "Visualizza l'ultima scheda in archivio.";
    }
    void commandsShowTheirHint() {
        QFETCH(QString, command);
        QFETCH(QString, hint);
        QWidget *w = card->findChild<QWidget *>(command);
        QVERIFY(w && w->isVisible());
        pointAt(w);
        QCOMPARE(card->panInfo->text(), hint);
    }

    // The design text stays while the pointer crosses a field; the background
    // empties the panel; a command after it writes its hint again.
    void fieldsKeepAndBackgroundEmpties() {
        const QString design = card->panInfo->text();
        QVERIFY(!design.isEmpty());
        pointAt(card->txtContatto);
        QCOMPARE(card->panInfo->text(), design);
        QWidget *band = card->findChild<QWidget *>(QStringLiteral("panServizi"));
        QVERIFY(band);
        const QPoint corner = band->mapToGlobal(QPoint(2, 2));
        XServer::movePointer(corner);
        QTest::qWait(60);
        XServer::movePointer(corner + QPoint(1, 1));
        QTest::qWait(150);
        QVERIFY2(band->childAt(QPoint(3, 3)) == nullptr, "the test point must be bare background");
        QCOMPARE(card->panInfo->text(), QString());
        pointAt(card->cmdSalva);
        QCOMPARE(card->panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    }
};

int main(int argc, char *argv[]) {
    XServer::start(); // before the application: it picks the platform
    QApplication app(argc, argv);
    TstRealPointer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realpointer.moc"
