// The agenda driven as a user would, with today fixed: which appointments it
// lists and how, the pictures and the alarm, the chosen line, the WhatsApp
// reminder, the print, the grids it opens and the way to the appointment card.
#include "AppointmentFixture.h"
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "appointments/agenda/Agenda.h"
#include "appointments/agenda/AgendaHelp.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/agenda/WhatsApp_Message.h"
#include "core/platform/Clock.h"
#include "ui/export/GridModel.h"
#include "ui/lists/RecordListView.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/windows/Guida.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/MonthCalendar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");
const QString kNo = QStringLiteral("No");
const QString kYes = QStringLiteral("S\u00ec");
// Today for every test: Friday 15 March 2024.
const QDate kToday(2024, 3, 15);

QByteArray archive(const QList<QByteArray> &records) { return records.join(); }

void click(ClickableImage *image) { QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

} // namespace

class TstAgenda : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenSeams> seams;
    RecordingAlarm *alarm = nullptr;
    TfrmAgenda *agenda = nullptr;

    QStringList lines() const { return agenda->lstRecords->listModel()->lines(); }
    // The client column of every listed line.
    QStringList clients() const {
        QStringList c;
        for (const QString &l : lines())
            c.append(l.mid(48, 30).trimmed());
        return c;
    }
    void showAgenda(const QList<QByteArray> &records) {
        seams->folder.write(kFile, archive(records));
        agenda->hide();
        agenda->show();
    }
    bool saysThereAreAppointments() const {
        const bool yes = agenda->imgPresenti->isVisible() && agenda->imgAppuntamentiSI->isVisible();
        const bool no = agenda->imgAssenti->isVisible() && agenda->imgAppuntamentiNO->isVisible();
        if (yes == no)
            qWarning("both or neither picture pair shown");
        return yes && !no;
    }
    QString alarmPath() const {
        return QStringLiteral("play ") + seams->folder.file(QStringLiteral("Avviso.mp3"));
    }

private slots:
    void init() {
        Clock::setFixed(QDateTime(kToday, QTime(10, 0)));
        seams = std::make_unique<ScreenSeams>();
        alarm = new RecordingAlarm;
        agenda = new TfrmAgenda;
    }
    void cleanup() {
        delete agenda;
        delete alarm;
        seams.reset();
        Clock::setFixed(QDateTime());
    }

    // The calendar shows in bold the days that hold appointments, fulfilled or
    // not, of the month on show; turning to another month shows its own.
    void busyDaysAreBold() {
        agenda->calAppuntamenti->setSelectedDate(QDate(2024, 3, 12));
        showAgenda({appointment(QStringLiteral("05/03/2024"), QStringLiteral("09"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("Sì"), QStringLiteral("Rossi")),
                    appointment(QStringLiteral("05/03/2024"), QStringLiteral("11"), QStringLiteral("30"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Bianchi")),
                    appointment(QStringLiteral("31/03/2024"), QStringLiteral("08"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Verdi")),
                    appointment(QStringLiteral("20/03/2023"), QStringLiteral("08"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Neri")),
                    appointment(QStringLiteral("07/04/2024"), QStringLiteral("08"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Gialli")),
                    appointment(QStringLiteral("rotta"), QStringLiteral("08"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Rotta"))});
        const auto bold = [this](int y, int m, int d) {
            return agenda->calAppuntamenti->dateTextFormat(QDate(y, m, d)).fontWeight() == QFont::Bold;
        };
        const QList<QDate> march = {QDate(2024, 3, 5), QDate(2024, 3, 31)};
        for (int d = 1; d <= 31; ++d)
            QVERIFY2(bold(2024, 3, d) == march.contains(QDate(2024, 3, d)), qPrintable(QString::number(d)));
        QVERIFY(!bold(2023, 3, 20)); // another year's March
        QVERIFY(!bold(2024, 4, 7));  // April is not on show yet

        agenda->calAppuntamenti->setCurrentPage(2024, 4);
        QVERIFY(bold(2024, 4, 7));
        QVERIFY(!bold(2024, 3, 5));
        agenda->calAppuntamenti->setCurrentPage(2023, 3);
        QVERIFY(bold(2023, 3, 20));
        QVERIFY(!bold(2024, 4, 7));
    }

    // Public holidays in Sunday's colour, named in the day's tooltip; a busy
    // holiday is bold and keeps its colour.
    void holidaysInSundaysColour() {
        agenda->calAppuntamenti->setSelectedDate(QDate(2024, 4, 10));
        showAgenda({appointment(QStringLiteral("25/04/2024"), QStringLiteral("09"), QStringLiteral("00"),
                                QStringLiteral("0"), QStringLiteral("No"), QStringLiteral("Rossi"))});
        const QBrush sunday = agenda->calAppuntamenti->weekdayTextFormat(Qt::Sunday).foreground();
        const auto format = [this](int y, int m, int d) {
            return agenda->calAppuntamenti->dateTextFormat(QDate(y, m, d));
        };
        QCOMPARE(format(2024, 4, 1).foreground(), sunday); // Easter Monday
        QCOMPARE(format(2024, 4, 1).toolTip(), QStringLiteral("Lunedì dell'Angelo"));
        QCOMPARE(format(2024, 4, 1).fontWeight(), QFont::Normal);
        QCOMPARE(format(2024, 4, 25).foreground(), sunday);
        QCOMPARE(format(2024, 4, 25).fontWeight(), QFont::Bold);
        QVERIFY(!format(2024, 4, 24).hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(format(2024, 5, 1).foreground(), sunday); // shown among the page's last days

        agenda->calAppuntamenti->setCurrentPage(2024, 12);
        QCOMPARE(format(2024, 12, 26).toolTip(), QStringLiteral("Santo Stefano"));
        QVERIFY(!format(2024, 4, 25).hasProperty(QTextFormat::ForegroundBrush));
    }

    void screen() {
        QCOMPARE(agenda->windowTitle(), QStringLiteral(" Tersalia - Agenda Interventi Programmati"));
        QCOMPARE(agenda->calAppuntamenti->selectedDate(), kToday);
        QCOMPARE(agenda->lstRecords->objectName(), QStringLiteral("lstRecords"));
        QCOMPARE(agenda->lstRecords->font().pointSize(), 14);
        // Before any showing, the pair "Non ci sono appuntamenti" is the visible one.
        QVERIFY(!agenda->imgPresenti->isVisibleTo(agenda) && !agenda->imgAppuntamentiSI->isVisibleTo(agenda));
        QVERIFY(agenda->imgAssenti->isVisibleTo(agenda) && agenda->imgAppuntamentiNO->isVisibleTo(agenda));
    }

    // One appointment at a time against today, 15/03/2024: listed or not, and
    // the pictures and the alarm always agreeing with the list.
    void imminentRule_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("done");
        QTest::addColumn<bool>("listed");
        QTest::newRow("today, notice 0") << "15/03/2024"
                                         << "0" << kNo << true;
        QTest::newRow("today, notice 0, fulfilled") << "15/03/2024"
                                                    << "0" << kYes << false;
        QTest::newRow("tomorrow, notice 0") << "16/03/2024"
                                            << "0" << kNo << false;
        QTest::newRow("ten days ahead, notice 10") << "25/03/2024"
                                                   << "10" << kNo << true;
        QTest::newRow("ten days ahead, notice 9") << "25/03/2024"
                                                  << "9" << kNo << false;
        QTest::newRow("over a month end, notice 20") << "04/04/2024"
                                                     << "20" << kNo << true;
        QTest::newRow("next year, notice 999") << "10/01/2025"
                                               << "999" << kNo << true;
        QTest::newRow("last month, never fulfilled") << "10/02/2024"
                                                     << "0" << kNo << true;
        QTest::newRow("last year, fulfilled") << "10/03/2023"
                                              << "3" << kYes << false;
        QTest::newRow("flag neither Si nor No") << "15/03/2024"
                                                << "0"
                                                << "" << false;
    }
    void imminentRule() {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QString, done);
        QFETCH(bool, listed);
        showAgenda({appointment(date, "09", "30", notice, done, "Rossi Mario")});
        QCOMPARE(agenda->lstRecords->listModel()->count(), listed ? 1 : 0);
        QCOMPARE(saysThereAreAppointments(), listed);
        QCOMPARE(alarm->calls, listed ? QStringList{alarmPath()} : QStringList());
    }

    void lineAndOrder() {
        const QString longName = QStringLiteral("Impresa Edile Fratelli Bianchi & Figli");
        const QString longServices =
            QStringLiteral("Pulizia straordinaria uffici, vetrate e scale <piano terra>");
        showAgenda({
            appointment("15/03/2024", "09", "30", "0", kNo, "Verdi Luca", "3471112223", "Lavaggio vetrate",
                        "80,00"),
            appointment("15/03/2024", "08", "15", "0", kNo, longName, "3209998887", longServices, "1.250,50"),
            appointment("14/03/2024", "17", "00", "0", kNo, "Gallo Sara"),
            appointment("05/03/2025", "08", "00", "400", kNo, "Ricci Anna"),
        });
        // Date and time order whatever the order of entry; fields cut or padded
        // to their widths, the amount as it is.
        QCOMPARE(lines(),
                 QStringList({
                     QStringLiteral(
                         "ID: 202403141700  Data: 14/03/2024  Ora: 17:00  Gallo Sara                    "
                         "  Cel. 3331234567      Pulizia uffici                              "
                         "\u20ac 120,00"),
                     QStringLiteral(
                         "ID: 202403150815  Data: 15/03/2024  Ora: 08:15  Impresa Edile Fratelli Bianchi"
                         "  Cel. 3209998887      Pulizia straordinaria uffici, vetrate e sc  "
                         "\u20ac 1.250,50"),
                     QStringLiteral(
                         "ID: 202403150930  Data: 15/03/2024  Ora: 09:30  Verdi Luca                    "
                         "  Cel. 3471112223      Lavaggio vetrate                            "
                         "\u20ac 80,00"),
                     QStringLiteral(
                         "ID: 202503050800  Data: 05/03/2025  Ora: 08:00  Ricci Anna                    "
                         "  Cel. 3331234567      Pulizia uffici                              "
                         "\u20ac 120,00"),
                 }));
    }

    // A record whose date or notice cannot be read is left out; the ones
    // after it are still listed.
    void unreadableRecordsAreSkipped() {
        showAgenda({
            appointment("10/03/2024", "09", "00", "0", kNo, "Primo Cliente"),
            appointment("3/15/2024", "09", "00", "0", kNo, "Data Errata"),
            appointment("", "09", "00", "0", kNo, "Data Vuota"),
            appointment("12/03/2024", "09", "00", "", kNo, "Preavviso Vuoto"),
            appointment("12/03/2024", "09", "00", "x1", kNo, "Preavviso Errato"),
            appointment("14/03/2024", "09", "00", "2", kNo, "Ultimo Cliente"),
        });
        QCOMPARE(clients(), QStringList({QStringLiteral("Primo Cliente"), QStringLiteral("Ultimo Cliente")}));
        QVERIFY(saysThereAreAppointments());
        QCOMPARE(alarm->calls, QStringList{alarmPath()});
    }

    void alarmAndPicturesFollowEachShowing() {
        // Nothing imminent: no sound; the list empty.
        showAgenda({appointment("20/03/2024", "09", "00", "1", kNo, "Futuro")});
        QVERIFY(!saysThereAreAppointments());
        QVERIFY(alarm->calls.isEmpty());
        // A day later it is imminent: shown again, the alarm plays once.
        Clock::setFixed(QDateTime(QDate(2024, 3, 19), QTime(8, 0)));
        agenda->hide();
        agenda->show();
        QVERIFY(saysThereAreAppointments());
        QCOMPARE(alarm->calls, QStringList{alarmPath()});
        // Closing stops it, by the exit image and by the window's close alike.
        click(agenda->imgEsci);
        QVERIFY(!agenda->isVisible());
        QCOMPARE(alarm->calls, QStringList({alarmPath(), QStringLiteral("stop")}));
        agenda->show();
        agenda->close();
        QCOMPARE(alarm->calls,
                 QStringList({alarmPath(), QStringLiteral("stop"), alarmPath(), QStringLiteral("stop")}));
        // An empty archive: the other pair, no sound.
        showAgenda({});
        QVERIFY(!saysThereAreAppointments());
        QCOMPARE(alarm->calls.size(), 4);
    }

    // An archive that cannot be read: the list stays empty, the pictures keep
    // what they showed and no sound plays.
    void unreadableArchiveKeepsThePictures() {
        showAgenda({appointment("15/03/2024", "09", "00", "0", kNo, "Rossi")});
        QVERIFY(saysThereAreAppointments());
        agenda->hide();
        QVERIFY(QFile::remove(seams->folder.file(kFile)));
        QVERIFY(QDir(seams->folder.path()).mkdir(kFile));
        agenda->show();
        QCOMPARE(agenda->lstRecords->listModel()->count(), 0);
        QVERIFY(saysThereAreAppointments());
        QCOMPARE(alarm->calls, QStringList{alarmPath()});
    }

    // Two appointments whose lines are the same (the names differ after the
    // 30th letter): each line leads to its own record.
    void chosenLineLeadsToItsOwnRecord() {
        showAgenda({
            appointment("15/03/2024", "09", "00", "0", kNo, "Condominio Via Garibaldi numero 12 scala A",
                        "3330000001"),
            appointment("15/03/2024", "09", "00", "0", kNo, "Condominio Via Garibaldi numero 12 scala B",
                        "3330000001"),
        });
        QCOMPARE(lines().at(0), lines().at(1));
        for (int row : {1, 0}) {
            agenda->lstRecords->selectRow(row);
            QCOMPARE(agenda->lblContatto->text(),
                     row == 0 ? QStringLiteral("Condominio Via Garibaldi numero 12 scala A")
                              : QStringLiteral("Condominio Via Garibaldi numero 12 scala B"));
            QCOMPARE(agenda->lblData->text(), QStringLiteral("15/03/2024"));
            QCOMPARE(agenda->lblOra->text(), QStringLiteral("09:00"));
            QCOMPARE(agenda->lblCel->text(), QStringLiteral("3330000001"));
        }
        // By the mouse too, and every showing forgets the choice.
        const QRect second = agenda->lstRecords->visualRect(agenda->lstRecords->listModel()->index(1));
        agenda->show();
        QTest::mouseClick(agenda->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(agenda->lblContatto->text(), QStringLiteral("Condominio Via Garibaldi numero 12 scala B"));
        agenda->hide();
        agenda->show();
        for (QLabel *l : {agenda->lblData, agenda->lblOra, agenda->lblContatto, agenda->lblCel})
            QCOMPARE(l->text(), QString());
    }

    void whatsAppNeedsALine_data() {
        QTest::addColumn<bool>("anyLine");
        QTest::addColumn<QString>("warning");
        QTest::newRow("empty list") << false
                                    << QStringLiteral(
                                           "Invio messaggio di WhatsApp non applicabile: la lista non "
                                           "contiene nessun appuntamento.");
        QTest::newRow("no line selected")
            << true
            << QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il "
                              "promemoria dell'appuntamento prima di fare clic sull'icona di WhatsApp.");
    }
    void whatsAppNeedsALine() {
        QFETCH(bool, anyLine);
        QFETCH(QString, warning);
        showAgenda(anyLine ? QList<QByteArray>{appointment("15/03/2024", "09", "00", "0", kNo, "Rossi")}
                           : QList<QByteArray>{});
        agenda->btnWhatsApp->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.shown.first().text, warning);
        QVERIFY(seams->shell.commands.isEmpty());
    }

    // The reminder carries the stored time text (here unlike hours and
    // minutes) and the date; the dialog shows the four values and closes.
    void whatsAppReminder() {
        showAgenda({appointmentRecord({{"Data", "15/03/2024"},
                                       {"Ore", "08"},
                                       {"Minuti", "15"},
                                       {"Ora", "07:45"},
                                       {"Avviso", "0"},
                                       {"Contatto", "Rossi Mario"},
                                       {"Cel", "3471234567"},
                                       {"Ottemperata", "No"}})});
        agenda->lstRecords->selectRow(0);
        QStringList shown;
        bool closed = false;
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<TfrmWhatsApp_Message *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Invio messaggio di WhatsApp"));
            for (QLineEdit *e : {dialog->txtData, dialog->txtOra, dialog->txtContatto, dialog->txtCel}) {
                QVERIFY(e->isReadOnly());
                shown.append(e->text());
            }
            QObject::connect(dialog, &QDialog::finished, [&closed]() { closed = true; });
            dialog->btnWhatsApp->click();
        });
        agenda->btnWhatsApp->click();
        QCOMPARE(shown, QStringList({"15/03/2024", "07:45", "Rossi Mario", "3471234567"}));
        QVERIFY(closed);
        QCOMPARE(seams->shell.commands.size(), 1);
        const QUrl url(seams->shell.commands.first());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.path(), QStringLiteral("/send"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 2);
        QCOMPARE(query.queryItems().at(0).first, QStringLiteral("phone"));
        // The number typed the Italian way, with the country code WhatsApp needs.
        QCOMPARE(query.queryItemValue(QStringLiteral("phone"), QUrl::FullyDecoded),
                 QStringLiteral("393471234567"));
        QCOMPARE(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
                 QStringLiteral(
                     "Gentile Cliente, le ricordiamo l'appuntamento fissato per le ore 07:45 del giorno "
                     "15/03/2024"));
        QVERIFY(seams->messages.shown.isEmpty());
    }

    void whatsAppCancelSendsNothing() {
        showAgenda({appointment("15/03/2024", "09", "00", "0", kNo, "Rossi")});
        agenda->lstRecords->selectRow(0);
        bool seen = false;
        whenModal([&seen](QWidget *w) {
            auto *dialog = qobject_cast<TfrmWhatsApp_Message *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->btnChiudi->text(), QStringLiteral("Annulla"));
            seen = true;
            dialog->btnChiudi->click();
        });
        agenda->btnWhatsApp->click();
        QVERIFY(seen);
        QVERIFY(seams->messages.shown.isEmpty());
        QVERIFY(seams->shell.commands.isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void printsTheList() {
        showAgenda({appointment("15/03/2024", "09", "30", "0", kNo, "Verdi Luca"),
                    appointment("15/03/2024", "08", "15", "0", kNo, "Bruno Paolo")});
        ScriptedPrinter printer;
        printer.outputFile = seams->folder.file(QStringLiteral("stampa.pdf"));
        agenda->btnStampa->click();
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.docName, QStringLiteral("Riepilogo appuntamenti imminenti"));
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are needed to read the printed page");
        const QString text = PdfText(printer.outputFile).allText();
        QVERIFY(text.contains(QStringLiteral("Riepilogo appuntamenti imminenti")));
        // The lines in list order: 08:15 before 09:30.
        const qsizetype first = text.indexOf(QStringLiteral("202403150815"));
        const qsizetype second = text.indexOf(QStringLiteral("202403150930"));
        QVERIFY(first >= 0 && second > first);
        QVERIFY(seams->messages.shown.isEmpty());
    }

    void help() {
        QString title, text;
        whenModal([&](QWidget *w) {
            auto *guida = qobject_cast<TfrmGuida *>(w);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            text = guida->txtGuida->toPlainText();
            guida->close();
        });
        agenda->show();
        click(agenda->imgGuida);
        QCOMPARE(title, QStringLiteral("App Agenda Interventi Programmati"));
        QCOMPARE(text.split(QStringLiteral("\n\n")).size(), 8);
    }

    // An archive on a read-only share or copy: the agenda lists it, rings and
    // fills its grids as usual.
    void readOnlyArchive() {
        seams->folder.write(kFile, archive({appointment("05/03/2024", "09", "00", "0", kNo, "A"),
                                            appointment("20/03/2024", "09", "00", "5", kNo, "C")}));
        ReadOnlyPath readOnly(seams->folder.path());
        if (!readOnly.ok())
            QSKIP("the program folder cannot be made read-only here");
        agenda->show();
        QCOMPARE(clients(), (QStringList{"A", "C"}));
        QVERIFY(saysThereAreAppointments());
        QCOMPARE(alarm->calls, QStringList{alarmPath()});
        agenda->calAppuntamenti->setSelectedDate(QDate(2024, 3, 5));
        int rows = -1;
        whenModal([&](QWidget *w) {
            auto *grid = qobject_cast<ExportGrid *>(w);
            QVERIFY(grid);
            rows = grid->model()->rows();
            grid->cmdEsci->click();
        });
        agenda->findChild<QToolButton *>(QStringLiteral("btnMese"))->click();
        QCOMPARE(rows, 2);
        QVERIFY(seams->messages.shown.isEmpty());
    }

    // The three grid buttons open their grid on the calendar's date.
    void gridsFromTheAgenda_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("day") << "btnGiorno"
                             << " Appuntamenti del giorno" << QStringList{"202403050800", "202403050900"};
        QTest::newRow("month") << "btnMese"
                               << " Appuntamenti del mese"
                               << QStringList{"202403050800", "202403050900", "202403200900"};
        QTest::newRow("imminent") << "btnExcel"
                                  << " Appuntamenti imminenti" << QStringList{"202403050900", "202403200900"};
    }
    void gridsFromTheAgenda() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QStringList, codes);
        showAgenda({appointment("05/03/2024", "09", "00", "0", kNo, "A"),
                    appointment("05/03/2024", "08", "00", "0", kYes, "B"),
                    appointment("20/03/2024", "09", "00", "5", kNo, "C"),
                    appointment("05/04/2024", "09", "00", "0", kNo, "D")});
        agenda->calAppuntamenti->setSelectedDate(QDate(2024, 3, 5));
        QString title;
        QStringList shown;
        whenModal([&](QWidget *w) {
            auto *grid = qobject_cast<ExportGrid *>(w);
            QVERIFY(grid);
            title = grid->windowTitle();
            for (int r = 0; r < grid->model()->rows(); ++r)
                shown.append(grid->model()->cell(r, 13));
            grid->cmdEsci->click();
        });
        agenda->findChild<QToolButton *>(button)->click();
        QCOMPARE(title, caption);
        QCOMPARE(shown, codes);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // From the main menu to the agenda, to the card and back to the menu.
    void mainMenuAgendaCardAndBack() {
        delete agenda;
        agenda = nullptr;
        seams->folder.write(kFile, archive({appointment("15/03/2024", "09", "00", "0", kNo, "Rossi")}));
        const Tersalia::Screens s = Tersalia::createScreens();
        QVERIFY(s.agenda && s.scadenze);
        QToolButton *agendaButton = s.avvio->moduleButton(5);
        QVERIFY(agendaButton->isEnabled());
        for (bool byClock : {false, true}) {
            s.avvio->show();
            agendaButton->click();
            QVERIFY(s.agenda->isVisible());
            QVERIFY(!s.avvio->isVisible());
            QVERIFY(!s.scadenze->isVisible());
            QCOMPARE(s.agenda->lstRecords->listModel()->count(), 1);
            if (byClock)
                click(s.agenda->appApriArchivio);
            else
                s.agenda->btnArchivio->click();
            QVERIFY(s.scadenze->isVisible());
            QVERIFY(!s.agenda->isVisible());
            QVERIFY(!s.avvio->isVisible());
            QCOMPARE(s.scadenze->lblPosizione->text(), QString()); // a new, empty card
            s.scadenze->cmdEsci->click();
            QVERIFY(s.avvio->isVisible());
            QVERIFY(!s.scadenze->isVisible());
            QVERIFY(!s.agenda->isVisible());
        }
        // Leaving the agenda itself also goes back to the menu.
        agendaButton->click();
        click(s.agenda->imgEsci);
        QVERIFY(s.avvio->isVisible());
        QVERIFY(!s.agenda->isVisible());
        Tersalia::destroyScreens();
        QCOMPARE(Tersalia::screens().agenda, nullptr);
    }
};

QTEST_MAIN(TstAgenda)
#include "tst_agenda.moc"
