// The working-hours summary: the input checks in order, the assembled dates
// and their "non esiste" messages, the interval with both ends included, the
// hours total (an unreadable record left out), the tax code imported from the
// employee search, the pickers' keys and the print's questions.
#include "EmployeeFixture.h"
#include "PdfText.h"
#include "ReadOnly.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "core/platform/Clock.h"
#include "employees/register/MenuRiepStraordinari.h"
#include "employees/register/RiepStraordinari.h"
#include "employees/card/TrovaDipendenti.h"
#include "shell/Application.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(Activity)

namespace {
const QString kCode = QStringLiteral("RSSMRA80A01H501U");
} // namespace

class TstRiepStraordinari : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;
    TfrmMenuRiepStraordinari *menu = nullptr;

    TempProgramFolder &folder() { return seams->folder; }
    void writeWork(const QList<Activity> &work) {
        QDir().mkpath(folder().file("Archivio_Lavori"));
        folder().write(workFileName(kCode), workFile(work));
    }
    void interval(const QString &d1, const QString &m1, const QString &y1, const QString &d2,
                  const QString &m2, const QString &y2) {
        menu->txtGiornoInizio->setCurrentText(d1);
        menu->txtMeseInizio->setCurrentText(m1);
        menu->txtAnnoInizio->setText(y1);
        menu->txtGiornoFine->setCurrentText(d2);
        menu->txtMeseFine->setCurrentText(m2);
        menu->txtAnnoFine->setText(y2);
    }
    // Shows the summary and runs steps on the result screen.
    void withSummary(const std::function<void(TfrmRiepStraordinari *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *r = qobject_cast<TfrmRiepStraordinari *>(w);
            QVERIFY(r);
            steps(r);
            ran = true;
            r->close();
        });
        menu->btnVisualizza->click();
        QVERIFY(ran);
        QVERIFY(!menu->lblAttendere->isVisible());
    }
    static QStringList listed(TfrmRiepStraordinari *r) { return r->list->lstRecords->listModel()->lines(); }

private slots:
    void init() {
        seams = new ScreenSeams;
        Clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(10, 0)));
        menu = Tersalia::createScreens().menuRiepStraordinari;
        menu->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        Clock::setFixed({});
        delete seams;
    }

    void openingStartsFromAnEmptyTaxCodeAndThisYear() {
        QCOMPARE(menu->windowTitle(), QStringLiteral(" Tersalia - Riepilogo Ore di Lavoro"));
        QVERIFY(menu->txtCliente->text().isEmpty());
        for (QComboBox *c :
             {menu->txtGiornoInizio, menu->txtMeseInizio, menu->txtGiornoFine, menu->txtMeseFine})
            QVERIFY(c->currentText().isEmpty());
        QCOMPARE(menu->txtAnnoInizio->text(), QStringLiteral("2024"));
        QCOMPARE(menu->txtAnnoFine->text(), QStringLiteral("2024"));
        QCOMPARE(menu->focusWidget(), menu->txtCliente);
        QTest::keyClicks(menu->txtCliente, QStringLiteral(" rss "));
        QCOMPARE(menu->txtCliente->text(), QStringLiteral("RSS"));
    }

    void inputChecksInOrder_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString cascade = QStringLiteral(" intervallo selezionandolo dall'elenco a cascata.");
        QTest::newRow("tax code") << "txtCliente"
                                  << "Attenzione: indicare il codice fiscale del dipendente."
                                  << "txtCliente";
        QTest::newRow("start day") << "txtGiornoInizio"
                                   << "Attenzione: indicare il giorno di inizio" + cascade
                                   << "txtGiornoInizio";
        QTest::newRow("start month") << "txtMeseInizio"
                                     << "Attenzione: indicare il mese di inizio" + cascade << "txtMeseInizio";
        QTest::newRow("start year")
            << "txtAnnoInizio"
            << "Attenzione: indicare l'anno solare di inizio intervallo utilizzando quattro cifre."
            << "txtAnnoInizio";
        QTest::newRow("end day") << "txtGiornoFine"
                                 << "Attenzione: indicare il giorno di fine" + cascade << "txtGiornoFine";
        QTest::newRow("end month") << "txtMeseFine"
                                   << "Attenzione: indicare il mese di fine" + cascade << "txtMeseFine";
        QTest::newRow("end year")
            << "txtAnnoFine"
            << "Attenzione: indicare l'anno solare di fine intervallo utilizzando quattro cifre."
            << "txtAnnoFine";
    }
    void inputChecksInOrder() {
        QFETCH(QString, missing);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        // The control and every later one are missing or short: only the first is reported.
        const QStringList order = {"txtCliente",    "txtGiornoInizio", "txtMeseInizio", "txtAnnoInizio",
                                   "txtGiornoFine", "txtMeseFine",     "txtAnnoFine"};
        for (int i = int(order.indexOf(missing)); i < order.size(); ++i) {
            QWidget *w = menu->findChild<QWidget *>(order[i]);
            if (auto *c = qobject_cast<QComboBox *>(w))
                c->setCurrentIndex(-1);
            else
                static_cast<QLineEdit *>(w)->setText(order[i].startsWith("txtAnno") ? "202" : "");
        }
        menu->btnVisualizza->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(), warning);
        QCOMPARE(menu->focusWidget()->objectName(), focus);
        QVERIFY(!QFileInfo::exists(folder().file("Archivio_Lavori")));
    }

    void impossibleDatesAndReversedIntervals_data() {
        QTest::addColumn<QStringList>("dates"); // day, month, year, day, month, year
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString valid = QStringLiteral(
            "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
        QTest::newRow("31 February at the start")
            << QStringList{"31", "Febbraio", "2024", "31", "Marzo", "2024"}
            << "Attenzione: la data 31/02/2024 di inizio intervallo non esiste." + valid << "txtGiornoInizio";
        QTest::newRow("29 February in a common year at the end")
            << QStringList{"01", "Febbraio", "2023", "29", "Febbraio", "2023"}
            << "Attenzione: la data 29/02/2023 di fine intervallo non esiste." + valid << "txtGiornoFine";
        QTest::newRow("31 April at the end")
            << QStringList{"01", "Aprile", "2024", "31", "Aprile", "2024"}
            << "Attenzione: la data 31/04/2024 di fine intervallo non esiste." + valid << "txtGiornoFine";
        QTest::newRow("end before start")
            << QStringList{"02", "Marzo", "2024", "01", "Marzo", "2024"}
            << "Attenzione: la data di fine intervallo (01/03/2024) non può essere anteriore a quella di "
               "inizio "
               "intervallo (02/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               "intervallo di tempo valido."
            << "";
    }
    void impossibleDatesAndReversedIntervals() {
        QFETCH(QStringList, dates);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        menu->txtCliente->setText(kCode);
        interval(dates[0], dates[1], dates[2], dates[3], dates[4], dates[5]);
        menu->btnVisualizza->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Plain);
        QCOMPARE(seams->messages.lastText(), message);
        if (!focus.isEmpty())
            QCOMPARE(menu->focusWidget()->objectName(), focus);
        QVERIFY(!QFileInfo::exists(folder().file("Archivio_Lavori")));
    }

    void aTaxCodeThatCannotNameAFileIsRefusedBeforeAnyFile_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("parent folder") << "../../X";
        QTest::newRow("backslash") << "..\\X";
        QTest::newRow("colon") << "C:X";
        QTest::newRow("question mark") << "RSS?";
        QTest::newRow("angle bracket") << "RSS<1>";
    }
    void aTaxCodeThatCannotNameAFileIsRefusedBeforeAnyFile() {
        QFETCH(QString, code);
        menu->txtCliente->setText(code);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        menu->btnVisualizza->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QVERIFY(seams->messages.lastText().startsWith("Attenzione: il codice fiscale \"" + code + "\""));
        QCOMPARE(menu->focusWidget(), menu->txtCliente);
        QVERIFY(QDir(folder().path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(QDir(folder().path() + "..").entryList({"X", "*.pro"}).isEmpty());
    }

    void bothEndsOfTheIntervalAreIncluded_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("activities"); // in file order
        QTest::addColumn<QString>("total");
        QTest::newRow("March") << QStringList{"01", "Marzo", "2024", "31", "Marzo", "2024"}
                               << QStringList{"Primo giorno", "Ultimo giorno", "Metà mese"} << "15";
        QTest::newRow("one day") << QStringList{"31", "Marzo", "2024", "31", "Marzo", "2024"}
                                 << QStringList{"Ultimo giorno"} << "4";
        QTest::newRow("across the year") << QStringList{"01", "Dicembre", "2023", "29", "Febbraio", "2024"}
                                         << QStringList{"Bisestile", "Fine anno"} << "7";
        QTest::newRow("nothing") << QStringList{"01", "Giugno", "2024", "30", "Giugno", "2024"}
                                 << QStringList{} << "0";
    }
    void bothEndsOfTheIntervalAreIncluded() {
        QFETCH(QStringList, dates);
        QFETCH(QStringList, activities);
        QFETCH(QString, total);
        writeWork({{"01/03/2024", "Primo giorno", "Via Roma", "8-11", "3"},
                   {"29/02/2024", "Bisestile", "Via Roma", "8-10", "2"},
                   {"31/03/2024", "Ultimo giorno", "Via Roma", "8-12", "4"},
                   {"01/04/2024", "Aprile", "Via Roma", "8-9", "1"},
                   {"15/3/2024", "Metà mese", "Via Roma", "8-16", "8"},
                   {"31/12/2023", "Fine anno", "Via Roma", "8-13", "5"}});
        menu->txtCliente->setText(kCode);
        interval(dates[0], dates[1], dates[2], dates[3], dates[4], dates[5]);
        withSummary([&](TfrmRiepStraordinari *r) {
            QStringList shown;
            for (const QString &line : listed(r))
                shown << line.left(46).trimmed();
            QCOMPARE(shown, activities);
            QCOMPARE(r->lblTotCosti->text(), total);
            QCOMPARE(r->lblTrovate->text(), QString::number(activities.size()) + " lavori svolti");
            QCOMPARE(r->titTipologia->text(), kCode);
            QCOMPARE(r->lblIntervallo->text(),
                     QStringLiteral("Dal   %1/%2/%3   al   %4/%5/%6")
                         .arg(dates[0], TfrmMenuRiepStraordinari::monthNumber(dates[1]), dates[2], dates[3],
                              TfrmMenuRiepStraordinari::monthNumber(dates[4]), dates[5]));
        });
    }

    void anUnreadableRecordIsLeftOutAndTheRestTotalled() {
        writeWork({{"04/03/2024", "Pulizia", "Via Roma", "8-12", "4"},
                   {"3x/03/2024", "Data rovinata", "Via Roma", "8-12", "6"},
                   {"05/03/2024", "Ore rovinate", "Via Roma", "8-12", "tre"},
                   {"06/03/2024", "Vetrate", "Via Roma", "8-11", "3"},
                   {"07/03/2024", "Mezza giornata", "Via Roma", "8-10", "2,5"}});
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        withSummary([&](TfrmRiepStraordinari *r) {
            QCOMPARE(listed(r).size(), 3);
            QVERIFY(listed(r)[2].startsWith(QStringLiteral("Mezza giornata")));
            QCOMPARE(r->lblTotCosti->text(), QStringLiteral("9,5"));
            QCOMPARE(r->lblTrovate->text(), QStringLiteral("3 lavori svolti"));
            QCOMPARE(r->lblIntervallo->text(), QStringLiteral("Dal   01/03/2024   al   31/03/2024"));
        });
        QVERIFY(seams->messages.shown.isEmpty());
    }

    // What the total leaves out is told beside it: an activity whose date
    // cannot be read (it may lie in the interval) or, in the interval, whose
    // hours cannot be read.
    void leftOutActivitiesAreTold_data() {
        QTest::addColumn<QList<Activity>>("work");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("leftOut");
        const Activity good{"04/03/2024", "Pulizia", "Via Roma", "8-12", "4"};
        QTest::newRow("none") << QList<Activity>{good} << "4"
                              << "";
        QTest::newRow("impossible date")
            << QList<Activity>{good, {"31/02/2024", "Rovinata", "Via Roma", "8-12", "8"}} << "4"
            << "1 attività con data o ore non leggibili non è compresa nel riepilogo";
        QTest::newRow("empty date and unreadable hours")
            << QList<Activity>{{"", "Senza data", "Via Roma", "8-12", "8"},
                               good,
                               {"05/03/2024", "Ore rovinate", "Via Roma", "8-12", "otto"}}
            << "4"
            << "2 attività con data o ore non leggibili non sono comprese nel riepilogo";
        QTest::newRow("unreadable hours outside the interval")
            << QList<Activity>{good, {"05/04/2024", "Aprile", "Via Roma", "8-12", "otto"}} << "4"
            << "";
    }
    void leftOutActivitiesAreTold() {
        QFETCH(QList<Activity>, work);
        QFETCH(QString, total);
        QFETCH(QString, leftOut);
        writeWork(work);
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        withSummary([&](TfrmRiepStraordinari *r) {
            QCOMPARE(r->lblTotCosti->text(), total);
            QCOMPARE(r->lblEscluse->text(), leftOut);
            QCOMPARE(r->lblEscluse->isVisible(), !leftOut.isEmpty());
        });
    }

    void printTellsTheLeftOutActivities() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils not installed");
        writeWork({{"04/03/2024", "Pulizia", "Via Roma", "8-12", "4"},
                   {"05/03/2024", "Ore rovinate", "Via Roma", "8-12", "otto"}});
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        ScriptedPrinter printer;
        printer.outputFile = folder().file("riepilogo.pdf");
        seams->messages.answerNext(true);
        withSummary([&](TfrmRiepStraordinari *r) { r->list->btnStampa->click(); });
        QCOMPARE(printer.calls, 1);
        const QString text = PdfText(printer.outputFile).allText().simplified();
        QVERIFY(text.contains(QStringLiteral("TOTALE ORE DI LAVORO: 4")));
        QVERIFY(text.contains(
            QStringLiteral("1 attività con data o ore non leggibili non è compresa nel riepilogo")));
    }

    // The total reads as the hours were typed, not as binary sums print.
    void hoursTotalText_data() {
        QTest::addColumn<QStringList>("hours");
        QTest::addColumn<QString>("total");
        QTest::newRow("a half") << QStringList{"9,5"} << "9,5";
        QTest::newRow("tenths") << QStringList{"0,1", "0,2"} << "0,3";
        QTest::newRow("whole hours") << QStringList{"3", "4", "8"} << "15";
    }
    void hoursTotalText() {
        QFETCH(QStringList, hours);
        QFETCH(QString, total);
        QList<Activity> work;
        for (const QString &h : hours)
            work << Activity{"04/03/2024", "Pulizia", "Via Roma", "8-12", h};
        writeWork(work);
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        withSummary([&](TfrmRiepStraordinari *r) { QCOMPARE(r->lblTotCosti->text(), total); });
    }

    // The summary only reads the work file: a read-only share still lists it.
    void aReadOnlyFolderIsListed() {
        writeWork({{"04/03/2024", "Pulizia", "Via Roma", "8-12", "4"},
                   {"05/03/2024", "Vetrate", "Via Roma", "8-11", "3"}});
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        ReadOnlyFolder readOnly(folder().path());
        if (!readOnly.holds())
            QSKIP("this machine cannot make a folder read-only");
        withSummary([&](TfrmRiepStraordinari *r) {
            QCOMPARE(listed(r).size(), 2);
            QCOMPARE(r->lblTotCosti->text(), QStringLiteral("7"));
        });
        QVERIFY(seams->messages.shown.isEmpty());
    }

    void aTaxCodeWithoutWorkFileGivesAnEmptySummary() {
        menu->txtCliente->setText(QStringLiteral("NUOVO"));
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        withSummary([&](TfrmRiepStraordinari *r) {
            QVERIFY(listed(r).isEmpty());
            QCOMPARE(r->lblTrovate->text(), QStringLiteral("0 lavori svolti"));
            QCOMPARE(r->lblTotCosti->text(), QStringLiteral("0"));
            r->list->btnStampa->click();
            QCOMPARE(seams->messages.lastText(),
                     QStringLiteral(
                         "Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
        });
        QVERIFY(QFile::exists(folder().file(workFileName("NUOVO"))));
    }

    void printAsksFirstAndNoPrintsNothing() {
        writeWork({{"04/03/2024", "Pulizia", "Via Roma", "8-12", "4"}});
        menu->txtCliente->setText(kCode);
        interval("01", "Marzo", "2024", "31", "Marzo", "2024");
        ScriptedPrinter printer;
        printer.outputFile = folder().file("riepilogo.pdf");
        seams->messages.answerNext(false);
        seams->messages.answerNext(true);
        withSummary([&](TfrmRiepStraordinari *r) {
            r->list->btnStampa->click();
            QCOMPARE(seams->messages.lastText(), QStringLiteral("Si vuole stampare il presente riepilogo?"));
            QCOMPARE(printer.calls, 0);
            r->list->btnStampa->click();
            QCOMPARE(printer.calls, 1);
            QCOMPARE(printer.docName, QStringLiteral("Riepilogo prestazioni dipendente con C.F. ") + kCode);
        });
    }

    void taxCodeImportedFromTheEmployeeSearch() {
        folder().write("Archivio_Dipendenti.pro", employee("Verdi Luca", "VRDLCU90C10L219Y") +
                                                      employee("Bianchi Anna", "BNCNNA85B41F205X"));
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaDipendenti *>(w);
            QVERIFY(s);
            QCOMPARE(s->lblMemory->text(), QStringLiteral("riepstraordinari"));
            s->btnCerca->click();
            QVERIFY(s->list->lstRecords->listModel()->line(0).startsWith(QStringLiteral("Bianchi Anna")));
            s->loadLine(0);
            ran = true;
        });
        menu->btnCodFisc->click();
        QVERIFY(ran);
        QCOMPARE(menu->txtCliente->text(), QStringLiteral("BNCNNA85B41F205X"));
    }

    void pickersTakeNoTypingAndBackspaceEmpties() {
        QComboBox *day = menu->txtGiornoInizio;
        day->setFocus();
        QTest::keyClicks(day, QStringLiteral("1a"));
        QVERIFY(day->currentText().isEmpty());
        day->setCurrentText(QStringLiteral("12"));
        QTest::keyClick(day, Qt::Key_Down);
        QCOMPARE(day->currentText(), QStringLiteral("12"));
        QTest::keyClick(day, Qt::Key_Backspace);
        QVERIFY(day->currentText().isEmpty());
        QTest::keyClick(day, Qt::Key_Return);
        QCOMPARE(menu->focusWidget(), menu->txtMeseInizio);
        menu->txtAnnoInizio->clear();
        menu->txtAnnoInizio->setFocus();
        QTest::keyClicks(menu->txtAnnoInizio, QStringLiteral("2a0-2 45"));
        QCOMPARE(menu->txtAnnoInizio->text(), QStringLiteral("2024"));
        QCOMPARE(TfrmMenuRiepStraordinari::monthNumber(QStringLiteral(" SETTEMBRE ")), QStringLiteral("09"));
        QVERIFY(TfrmMenuRiepStraordinari::monthNumber(QStringLiteral("Sept")).isEmpty());
    }
};

QTEST_MAIN(TstRiepStraordinari)
#include "tst_riepstraordinari.moc"
