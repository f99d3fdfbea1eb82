// The week planner driven as a user would: opened from the agenda, the week
// moved, one operator chosen, a block hovered and double-clicked into the
// appointment card, and the week read again when the card is closed.
#include "PlanningFixture.h"
#include "TestEnv.h"
#include "appointments/agenda/Agenda.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/planning/Planning.h"
#include "appointments/planning/PlanningView.h"
#include "core/platform/Clock.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/windows/Guida.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/lists/RecordListView.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QEnterEvent>
#include <QPlainTextEdit>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Planning;

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");

QList<qint64> shown(const TfrmPlanning &p) {
    QList<qint64> out;
    for (const Block &b : p.view->sheet->blocks())
        out << p.week().appointments().at(b.appointment).number;
    std::sort(out.begin(), out.end());
    return out;
}

// Where the block of record n is drawn on the sheet.
QPoint centreOf(const TfrmPlanning &p, qint64 n) {
    for (const Block &b : p.view->sheet->blocks())
        if (p.week().appointments().at(b.appointment).number == n)
            return p.view->sheet->blockRect(b).center();
    return {-1, -1};
}

enum Step { Next, Previous, Today, Calendar };

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TstPlanning : public QObject {
    Q_OBJECT
    std::unique_ptr<ScreenSeams> seams;
    Tersalia::Screens screens;

    std::unique_ptr<TfrmPlanning> openPlanner() {
        auto planning = std::make_unique<TfrmPlanning>(screens.scadenze);
        planning->openModule();
        if (!QTest::qWaitForWindowExposed(planning.get()))
            return nullptr;
        return planning;
    }

private slots:
    void init() {
        Clock::setFixed(QDateTime(PlanningFixture::today, QTime(10, 0)));
        seams = std::make_unique<ScreenSeams>();
        seams->folder.write(kFile, PlanningFixture::archive());
        screens = Tersalia::createScreens();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        seams.reset();
        Clock::setFixed(QDateTime());
    }

    // From the agenda's button: maximised over the agenda, on this week,
    // opened on the working morning; closing it leaves the agenda in view.
    void opensFromTheAgenda() {
        RecordingAlarm alarm;
        screens.agenda->openModule();
        const int listed = screens.agenda->lstRecords->listModel()->count();
        QCOMPARE(alarm.calls.size(), 1);
        QCOMPARE(screens.agenda->btnPlanning->toolTip(), QStringLiteral("PLANNING SETTIMANALE"));
        bool seen = false;
        whenModal([&](QWidget *w) {
            auto *p = qobject_cast<TfrmPlanning *>(w);
            QVERIFY(p);
            seen = true;
            QVERIFY(p->isMaximized());
            QCOMPARE(p->windowTitle(), QStringLiteral(" Tersalia - Planning Settimanale"));
            QCOMPARE(p->week().monday(), PlanningFixture::monday);
            QCOMPARE(p->lblSettimana->text(), QStringLiteral("Settimana dal 09/03/2026 al 15/03/2026"));
            QCOMPARE(p->view->days->headings(),
                     (QStringList{"lun 09/03", "mar 10/03", "mer 11/03", "gio 12/03", "ven 13/03",
                                  "sab 14/03", "dom 15/03"}));
            QCOMPARE(shown(*p), (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14, 15, 16}));
            // Record 7, at 05:30, is in the early strip: the view opens at the top.
            QTest::qWait(20);
            QCOMPARE(p->view->scrOre->verticalScrollBar()->value(), 0);
            // Meanwhile an imminent appointment is fulfilled (as the card opened
            // from a block would save it).
            QByteArray bytes = PlanningFixture::archive();
            const QByteArray fulfilled = PlanningFixture::record(
                {"09/03/2026", "09", "00", "09:00", "Anna", "Rossi Mario", "S\u00ec"});
            bytes.replace(0, fulfilled.size(), fulfilled);
            seams->folder.write(kFile, bytes);
            p->cmdEsci->click();
        });
        screens.agenda->btnPlanning->click();
        QVERIFY(seen);
        QVERIFY(screens.agenda->isVisible());
        QVERIFY(!screens.avvio->isVisible());
        // Back in the agenda its list is read again, without the alarm.
        QCOMPARE(screens.agenda->lstRecords->listModel()->count(), listed - 1);
        QCOMPARE(alarm.calls.size(), 1);
    }

    // The view opens on the working morning, unless the week has a visit
    // above it; moving to a week with an earlier visit scrolls up to it.
    void opensOnTheEarliestVisit_data() {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<int>("row"); // the half-hour row at the top, -1 for the very top
        const auto visit = [](const char *date, const char *hours, const char *time) {
            return PlanningFixture::record({date, hours, "00", time, "Anna", "Rossi Mario", "No"});
        };
        QTest::newRow("morning visits")
            << visit("10/03/2026", "09", "09:00") + visit("12/03/2026", "15", "15:00") << 4;
        QTest::newRow("a visit at 07:00")
            << visit("10/03/2026", "09", "09:00") + visit("13/03/2026", "07", "07:00") << 2;
        QTest::newRow("a visit in the early strip")
            << visit("10/03/2026", "09", "09:00") + visit("13/03/2026", "04", "04:00") << -1;
        QTest::newRow("an empty week") << QByteArray() << 4;
    }
    void opensOnTheEarliestVisit() {
        QFETCH(QByteArray, archive);
        QFETCH(int, row);
        seams->folder.write(kFile, archive);
        const auto p = openPlanner();
        QVERIFY(p);
        QScrollBar *bar = p->view->scrOre->verticalScrollBar();
        const int expected = row == 4  ? p->view->sheet->rowTop(4) - 1
                             : row < 0 ? 0
                                       : p->view->sheet->rowTop(row) - 3;
        QTest::qWait(20); // the opening scroll is made once the window is laid out
        QCOMPARE(bar->value(), expected);
        QVERIFY(bar->maximum() > bar->value()); // the rest of the day is below
    }
    void movingToAnEarlierWeekScrollsUp() {
        seams->folder.write(
            kFile, PlanningFixture::record({"10/03/2026", "09", "00", "09:00", "Anna", "Rossi", "No"}) +
                       PlanningFixture::record({"17/03/2026", "05", "00", "05:00", "Anna", "Bianchi", "No"}));
        const auto p = openPlanner();
        QVERIFY(p);
        QScrollBar *bar = p->view->scrOre->verticalScrollBar();
        QTRY_COMPARE(bar->value(), p->view->sheet->rowTop(4) - 1);
        p->cmdSuccessiva->click();
        QCOMPARE(bar->value(), 0);
        p->cmdPrecedente->click(); // nothing above what is in view: left where it is
        QCOMPARE(bar->value(), 0);
    }

    // Visits above or below the hours in view are marked at the day's edge
    // with their count, and the marks follow the scrolling.
    void visitsOutOfViewAreMarked() {
        seams->folder.write(
            kFile, PlanningFixture::record({"09/03/2026", "09", "00", "09:00", "Anna", "Rossi", "No"}) +
                       PlanningFixture::record({"10/03/2026", "20", "30", "20:30", "Anna", "Bianchi", "No"}) +
                       PlanningFixture::record({"10/03/2026", "21", "00", "21:00", "Anna", "Verdi", "No"}));
        const auto p = openPlanner();
        QVERIFY(p);
        PlanningSheet *sheet = p->view->sheet;
        QScrollBar *bar = p->view->scrOre->verticalScrollBar();
        QTRY_COMPARE(bar->value(), sheet->rowTop(4) - 1); // on 08:00
        QVERIFY(bar->maximum() > bar->value());
        QCOMPARE(sheet->hiddenAbove(0), 0);
        QCOMPARE(sheet->hiddenBelow(1), 2); // Tuesday evening
        QCOMPARE(sheet->hiddenBelow(0), 0);
        bar->setValue(bar->maximum());
        QCOMPARE(sheet->hiddenBelow(1), 0);
        QCOMPARE(sheet->hiddenAbove(0), 1); // Monday morning
    }

    // Six visits at one hour share a day's width on a laptop's screen, each
    // still showing its time whole.
    void sixVisitsAtOneHourShowTheirTimes() {
        QByteArray archive;
        for (const char *client : {"Uno", "Due", "Tre", "Quattro", "Cinque", "Sei"})
            archive += PlanningFixture::record({"11/03/2026", "10", "00", "10:00", "Anna", client, "No"});
        seams->folder.write(kFile, archive);
        const auto p = openPlanner();
        QVERIFY(p);
        p->showNormal();
        p->resize(1366, 728);
        QTRY_COMPARE(p->width(), 1366);
        PlanningSheet *sheet = p->view->sheet;
        QCOMPARE(sheet->blocks().size(), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(sheet->timeWhole(i),
                     qPrintable(QString::number(sheet->blockRect(sheet->blocks().at(i)).width())));
    }

    void movingTheWeek_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QDate>("monday");
        QTest::addColumn<QList<qint64>>("records");
        QTest::newRow("next") << QList<Step>{Next} << QDate(2026, 3, 16) << QList<qint64>{10};
        QTest::newRow("previous") << QList<Step>{Previous} << QDate(2026, 3, 2) << QList<qint64>{11};
        QTest::newRow("two back, then today")
            << QList<Step>{Previous, Previous, Today} << PlanningFixture::monday
            << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14, 15, 16};
        QTest::newRow("a day in the calendar")
            << QList<Step>{Calendar} << QDate(2026, 3, 16) << QList<qint64>{10};
    }
    void movingTheWeek() {
        QFETCH(QList<Step>, steps);
        QFETCH(QDate, monday);
        QFETCH(QList<qint64>, records);
        const auto p = openPlanner();
        QVERIFY(p);
        for (Step s : steps) {
            switch (s) {
            case Next:
                p->cmdSuccessiva->click();
                break;
            case Previous:
                p->cmdPrecedente->click();
                break;
            case Today:
                p->cmdOggi->click();
                break;
            case Calendar:
                p->calSettimana->setSelectedDate(QDate(2026, 3, 19)); // a Thursday
                break;
            }
        }
        QCOMPARE(p->week().monday(), monday);
        QCOMPARE(shown(*p), records);
        QCOMPARE(Week::mondayOf(p->calSettimana->selectedDate()), monday);
        QCOMPARE(p->view->days->headings().first(), PlanningLook::dayHeading(monday));
    }

    // A public holiday's heading is greyed as Saturday's and Sunday's are;
    // today's stays red even on a holiday.
    void holidayHeadingsAreDaysOff() {
        const auto p = openPlanner();
        QVERIFY(p);
        p->calSettimana->setSelectedDate(QDate(2026, 12, 9));
        QCOMPARE(p->week().monday(), QDate(2026, 12, 7));
        const QImage shown = p->view->days->grab().toImage();
        const auto heading = [&](int day) {
            return shown.pixelColor(p->view->sheet->dayColumn(day).left() + 6, 3);
        };
        const QColor workday = PlanningLook::headingFill(QDate(2026, 12, 7), false);
        const QColor dayOff = PlanningLook::headingFill(QDate(2026, 12, 12), false);
        QVERIFY(workday != dayOff);
        QCOMPARE(heading(0), workday);
        QCOMPARE(heading(1), dayOff); // Immacolata Concezione, a Tuesday
        QCOMPARE(heading(2), workday);
        QCOMPARE(heading(5), dayOff);
        QCOMPARE(PlanningLook::headingFill(QDate(2026, 4, 6), false), dayOff); // Easter Monday
        QCOMPARE(PlanningLook::headingFill(QDate(2026, 12, 8), true), QColor(190, 60, 70));
    }

    // Every operator of the archive is offered; choosing one shows only its
    // blocks, and moving the week keeps the choice.
    void operatorFilter() {
        const auto p = openPlanner();
        QVERIFY(p);
        QStringList items;
        for (int i = 0; i < p->cmbOperatore->count(); ++i)
            items << p->cmbOperatore->itemText(i);
        QCOMPARE(items, (QStringList{"Tutti gli operatori", "Anna", "Beppe", "Carla", "Marco", "Zeno"}));
        p->cmbOperatore->setCurrentIndex(2);
        QCOMPARE(shown(*p), (QList<qint64>{6, 7, 8, 15}));
        p->cmdSuccessiva->click();
        QCOMPARE(p->chosenOperator(), QStringLiteral("Beppe"));
        QCOMPARE(shown(*p), QList<qint64>{});
        p->cmbOperatore->setCurrentIndex(0);
        QCOMPARE(shown(*p), QList<qint64>{10});
    }

    // The mouse over a block tells its contacts, details and notes; over no block, nothing.
    void hoveringABlock() {
        const auto p = openPlanner();
        QVERIFY(p);
        PlanningSheet *sheet = p->view->sheet;
        QTest::mouseMove(sheet, centreOf(*p, 1));
        QTRY_COMPARE(p->panInfo->text(),
                     QStringLiteral("Rossi Mario, ore 09:00  \u2013  Tel.: 06 5551234  \u2013  "
                                    "Cel.: 3331234567  \u2013  Dettagli: Portare la scala  "
                                    "\u2013  Note: Citofonare"));
        QTest::mouseMove(sheet, QPoint(sheet->dayColumn(6).center().x(), sheet->rowTop(2) + 5));
        QTRY_VERIFY(p->panInfo->text().isEmpty());
    }

    // Two appointments at the same time on the same day: each block opens
    // the card on its own record; back in the planner the week is read again.
    void doubleClickOpensTheCardOnThatRecord_data() {
        QTest::addColumn<qint64>("record");
        QTest::addColumn<QString>("client");
        QTest::newRow("left block") << 12LL << "Colombo Sara";
        QTest::newRow("right block") << 15LL << "Esposito Luca";
    }
    void doubleClickOpensTheCardOnThatRecord() {
        QFETCH(qint64, record);
        QFETCH(QString, client);
        const auto p = openPlanner();
        QVERIFY(p);
        const QPoint at = centreOf(*p, record);
        QVERIFY(at.x() >= 0);
        bool seen = false;
        whenModal([&](QWidget *w) {
            QCOMPARE(w, screens.scadenze);
            seen = true;
            QCOMPARE(screens.scadenze->lblPosizione->text(), QString::number(record));
            QCOMPARE(screens.scadenze->txtContatto->text(), client);
            QCOMPARE(screens.scadenze->txtData->text(), QStringLiteral("12/03/2026"));
            // Meanwhile the week changes: a new appointment on Thursday at 16:00.
            seams->folder.write(kFile, PlanningFixture::archive() +
                                           PlanningFixture::record({"12/03/2026", "16", "00", "16:00", "Anna",
                                                                    "Nuovo Cliente", "No"}));
            screens.scadenze->cmdEsci->click();
        });
        QTest::mouseDClick(p->view->sheet, Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(seen);
        QVERIFY(!screens.scadenze->isVisible());
        QVERIFY(p->isVisible());
        QVERIFY(!screens.avvio->isVisible()); // the card went back to the planner, not to the menu
        QVERIFY(shown(*p).contains(17));
    }

    void commandHints_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("hint");
        QTest::newRow("previous") << "cmdPrecedente"
                                  << "Visualizza la settimana precedente.";
        QTest::newRow("today") << "cmdOggi"
                               << "Visualizza la settimana corrente.";
        QTest::newRow("next") << "cmdSuccessiva"
                              << "Visualizza la settimana successiva.";
        QTest::newRow("print") << "cmdStampa"
                               << "Stampa la settimana visualizzata, con l'anteprima di stampa.";
        QTest::newRow("help") << "cmdGuida"
                              << "Visualizza la pagina della guida sensibile al contesto.";
        QTest::newRow("exit") << "cmdEsci"
                              << "Esci da questo ambiente di lavoro.";
    }
    void commandHints() {
        QFETCH(QString, command);
        QFETCH(QString, hint);
        const auto p = openPlanner();
        QVERIFY(p);
        auto *button = p->findChild<QToolButton *>(command);
        QVERIFY(button);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(p->panInfo->text(), hint);
        // The background empties the panel.
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(p->centralWidget(), &move);
        QCOMPARE(p->panInfo->text(), QString());
    }

    void help() {
        const auto p = openPlanner();
        QVERIFY(p);
        QString title;
        int paragraphs = 0;
        whenModal([&](QWidget *w) {
            auto *guida = qobject_cast<TfrmGuida *>(w);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            paragraphs = int(guida->txtGuida->toPlainText().split(QStringLiteral("\n\n")).size());
            guida->close();
        });
        p->cmdGuida->click();
        QCOMPARE(title, QStringLiteral("Planning settimanale"));
        QCOMPARE(paragraphs, 5);
    }

    // A double-click beside the blocks opens nothing.
    void doubleClickOnNoBlock() {
        const auto p = openPlanner();
        QVERIFY(p);
        NoModalExpected none;
        PlanningSheet *sheet = p->view->sheet;
        QTest::mouseDClick(sheet, Qt::LeftButton, Qt::NoModifier,
                           QPoint(sheet->dayColumn(6).center().x(), sheet->rowTop(2) + 5));
        QVERIFY(none.seen.isEmpty());
    }
};

QTEST_MAIN(TstPlanning)
#include "tst_planning.moc"
