// The keys a desktop user expects of every dialog: Escape leaves it as its
// cancelling command does, and the calendar takes a day on double-click or
// Enter as "Importa" does.
#include "TestEnv.h"
#include "contracts/Logo.h"
#include "contracts/Numerazione.h"
#include "shell/Application.h"
#include "shell/CambiaPassword.h"
#include "shell/Info.h"
#include "shell/Password.h"
#include "shell/Splash.h"
#include "ui/AllegaCartella.h"
#include "ui/Calendario.h"
#include "ui/Guida.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Each dialog, made as its opener makes it, with the field that has the focus
// when Escape is pressed.
struct DialogUnderTest {
    std::unique_ptr<QWidget> owned;
    QWidget *dialog = nullptr;
};

DialogUnderTest make(const QString &name) {
    DialogUnderTest d;
    auto own = [&d](QWidget *w) {
        d.owned.reset(w);
        d.dialog = w;
    };
    if (name == QLatin1String("numerazione"))
        own(new TfrmNumerazione);
    else if (name == QLatin1String("allegati"))
        own(new TfrmAllegaCartella);
    else if (name == QLatin1String("calendario"))
        own(new TfrmCalendario);
    else if (name == QLatin1String("logo"))
        own(new TfrmLogo);
    else if (name == QLatin1String("guida"))
        own(new TfrmGuida);
    else if (name == QLatin1String("informazioni"))
        own(new TfrmInfo);
    else if (name == QLatin1String("crediti"))
        own(new TfrmSplash);
    else if (name == QLatin1String("cambia password"))
        d.dialog = Tersalia::screens().cambiaPassword; // long-lived: owned by the start-up
    return d;
}

} // namespace

class TstDialogKeys : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

private slots:
    void init() {
        seams = new ScreenSeams;
        Tersalia::createScreens();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete seams;
    }

    void escapeClosesTheDialog_data() {
        QTest::addColumn<QString>("dialog");
        for (const char *name : {"cambia password", "allegati", "numerazione", "calendario", "logo", "guida",
                                 "informazioni", "crediti"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void escapeClosesTheDialog() {
        QFETCH(QString, dialog);
        DialogUnderTest d = make(dialog);
        QVERIFY(d.dialog);
        d.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.dialog));
        d.dialog->activateWindow();
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(focused && focused->window() == d.dialog, "the dialog has the focus");
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_VERIFY(!d.dialog->isVisible());
        if (dialog == QLatin1String("cambia password")) // back to the login, as with Chiudi
            QVERIFY(Tersalia::screens().password->isVisible());
        QVERIFY(seams->messages.shown.isEmpty());
    }

    // A double-click on a day, or Enter, imports it as "Importa" does; Escape
    // leaves the date as it was.
    void theCalendarImportsADayOnDoubleClickOrEnter_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("double-click") << "double-click"
                                      << "12/03/2024";
        QTest::newRow("Enter") << "Enter"
                               << "12/03/2024";
        QTest::newRow("Escape") << "Escape"
                                << "01/01/2024";
    }
    void theCalendarImportsADayOnDoubleClickOrEnter() {
        QFETCH(QString, gesture);
        QFETCH(QString, expected);
        QLineEdit txtData(QStringLiteral("01/01/2024"));
        TfrmCalendario calendar;
        calendar.markForAppointmentDate(&txtData);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        calendar.calAppuntamenti->setSelectedDate(QDate(2024, 3, 12));
        auto *days = calendar.calAppuntamenti->findChild<QTableView *>();
        QVERIFY(days);
        days->setFocus();
        if (gesture == QLatin1String("double-click")) {
            const QPoint at = days->visualRect(days->currentIndex()).center();
            QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(days, gesture == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }
        QTRY_VERIFY(!calendar.isVisible());
        QCOMPARE(txtData.text(), expected);
    }
};

QTEST_MAIN(TstDialogKeys)
#include "tst_dialogkeys.moc"
