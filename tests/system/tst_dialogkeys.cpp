// The keys a desktop user expects of every dialog: Escape leaves it as its
// cancelling command does, and the calendar takes a day on double-click or
// Enter as "Importa" does.
#include "DialogsByName.h"
#include "StartedScreens.h"
#include "TestEnv.h"
#include "core/platform/Clock.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <memory>

class TstDialogKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<StartedScreens> started;

private slots:
    void init() { started = std::make_unique<StartedScreens>(); }
    void cleanup() { started.reset(); }

    void escapeClosesTheDialog_data() {
        QTest::addColumn<QString>("dialog");
        for (const QString &name : dialogNames())
            if (name != QLatin1String("accesso")) // the login's Escape would end the program
                QTest::newRow(qPrintable(name)) << name;
    }
    void escapeClosesTheDialog() {
        QFETCH(QString, dialog);
        std::unique_ptr<QWidget> owned;
        QWidget *w = dialogByName(dialog, owned);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(focused && focused->window() == w, "the dialog has the focus");
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_VERIFY(!w->isVisible());
        if (dialog == QLatin1String("cambia password")) // back to the login, as with Chiudi
            QVERIFY(Tersalia::screens().password->isVisible());
        QVERIFY(started->seams.messages.shown.isEmpty());
    }

    // The calendar opens on the date already in its field, in its month; an
    // empty field or one that is no date opens on today.
    void theCalendarOpensOnTheFieldsDate_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QDate>("selected");
        QTest::newRow("a date") << "12/03/2024" << QDate(2024, 3, 12);
        QTest::newRow("empty") << "" << Clock::today();
        QTest::newRow("no date") << "31/02/2024" << Clock::today();
    }
    void theCalendarOpensOnTheFieldsDate() {
        QFETCH(QString, field);
        QFETCH(QDate, selected);
        QLineEdit txtData(field);
        TfrmCalendario calendar;
        calendar.markForAppointmentDate(&txtData);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QCOMPARE(calendar.calAppuntamenti->selectedDate(), selected);
        QCOMPARE(calendar.calAppuntamenti->monthShown(), selected.month());
        QCOMPARE(calendar.calAppuntamenti->yearShown(), selected.year());
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
