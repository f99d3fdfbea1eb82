// Repeating an appointment from its card: the records "Crea appuntamenti"
// writes are byte for byte those a user makes by hand (Salva, then Duplica,
// the date, the time and Salva for every visit); all of them or none.
#include "FullDisk.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/repetition/Ripetizione.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "ui/card/CardScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");

QDate day(const QString &text) { return QDate::fromString(text, QStringLiteral("dd/MM/yyyy")); }

// The days after `first` up to `until` on the weekdays given (Qt's numbers).
QStringList weekdaysUntil(const QString &first, const QString &until, QList<int> weekdays) {
    QStringList days;
    for (QDate d = day(first).addDays(1); d <= day(until); d = d.addDays(1))
        if (weekdays.contains(d.dayOfWeek()))
            days << d.toString(QStringLiteral("dd/MM/yyyy"));
    return days;
}

QStringList everyDay(const QString &first, int count) {
    QStringList days;
    for (int i = 1; i <= count; ++i)
        days << day(first).addDays(i).toString(QStringLiteral("dd/MM/yyyy"));
    return days;
}

// What the repetition screen is given.
struct Repetition {
    int every;
    int unit; // index of cmbUnita: giorni, settimane, mesi
    QList<QCheckBox * TfrmRipetizione::*> days;
    QString until; // empty: count
    int count;
    bool skip;
};

} // namespace

Q_DECLARE_METATYPE(Repetition)

class TstRipetizione : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    TfrmArchivio_Scadenze *card = nullptr;

    void makeCard() {
        delete card;
        card = new TfrmArchivio_Scadenze;
        card->show();
    }
    // A whole appointment typed on the card, with the date from the calendar.
    void fill(const QString &date, bool fulfilled) {
        card->txtData->setText(date);
        card->txtOreApp->setCurrentText(QStringLiteral("09"));
        card->txtMinutiApp->setCurrentText(QStringLiteral("30"));
        const struct {
            QLineEdit *edit;
            const char *text;
        } typed[] = {{card->txtAvviso, "2"},
                     {card->txtTipologia, "Anna"},
                     {card->txtCausale, "Pulizia uffici"},
                     {card->txtDettagli, "Scala B, secondo piano"},
                     {card->txtContatto, "Rossi Mario"},
                     {card->txtTel, "06 5551234"},
                     {card->txtCel, "3331234567"},
                     {card->txtEmail, "rossi@esempio.it"},
                     {card->txtLuogo, "Bonifico"},
                     {card->txtImporto, "80,5"},
                     {card->txtNote, "Citofonare due volte"}};
        for (const auto &t : typed) {
            t.edit->selectAll();
            t.edit->setFocus();
            QTest::keyClicks(t.edit, QString::fromUtf8(t.text));
        }
        card->chkOttemperata->setChecked(fulfilled);
    }
    // The visits made by hand: Duplica, the date, the time again, the flag
    // cleared, Salva.
    void byHand(const QStringList &dates) {
        for (const QString &d : dates) {
            card->cmdDuplica->click();
            card->txtData->setText(d);
            card->txtOreApp->setCurrentText(QStringLiteral("09"));
            card->txtMinutiApp->setCurrentText(QStringLiteral("30"));
            card->chkOttemperata->setChecked(false);
            card->cmdSalva->click();
        }
    }
    // Ripeti with the repetition given; `act` runs on the open screen (the
    // default: Crea).
    void repeat(const Repetition &r, std::function<void(TfrmRipetizione *)> act = {}) {
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<TfrmRipetizione *>(w);
            QVERIFY(screen);
            screen->txtOgni->setText(QString::number(r.every));
            screen->cmbUnita->setCurrentIndex(r.unit);
            for (QCheckBox *c : {screen->chkLun, screen->chkMar, screen->chkMer, screen->chkGio,
                                 screen->chkVen, screen->chkSab, screen->chkDom})
                c->setChecked(false);
            for (QCheckBox *TfrmRipetizione::*c : r.days)
                (screen->*c)->setChecked(true);
            if (r.until.isEmpty()) {
                screen->optVolte->setChecked(true);
                screen->txtVolte->setText(QString::number(r.count));
            } else {
                screen->txtFino->setText(r.until);
            }
            screen->chkFestivi->setChecked(r.skip);
            if (act)
                act(screen);
            else
                screen->cmdCrea->click();
            if (screen->isVisible())
                screen->reject();
        });
        card->cmdRipeti->click();
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        Clock::setFixed(QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
        makeCard();
    }
    void cleanup() {
        delete card;
        card = nullptr;
        delete seams;
        Clock::setFixed(QDateTime());
    }

    void sameRecordsAsByHand_data() {
        using S = TfrmRipetizione;
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("stored"); // the card saved before Ripeti
        QTest::addColumn<Repetition>("repetition");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("Tuesday and Friday for a year")
            << "06/01/2026" << false << Repetition{1, 1, {&S::chkMar, &S::chkVen}, "05/01/2027", 0, false}
            << weekdaysUntil("06/01/2026", "05/01/2027", {Qt::Tuesday, Qt::Friday});
        QTest::newRow("weekdays across a month end, a stored card")
            << "27/01/2026" << true << Repetition{1, 1, {&S::chkMar, &S::chkVen}, {}, 5, false}
            << QStringList{"30/01/2026", "03/02/2026", "06/02/2026", "10/02/2026"};
        QTest::newRow("every 3 weeks")
            << "05/01/2026" << false << Repetition{3, 1, {&S::chkLun}, "09/03/2026", 0, false}
            << QStringList{"26/01/2026", "16/02/2026", "09/03/2026"};
        QTest::newRow("the 31st every month")
            << "31/01/2026" << false << Repetition{1, 2, {}, {}, 5, false}
            << QStringList{"28/02/2026", "31/03/2026", "30/04/2026", "31/05/2026"};
        QTest::newRow("a leap year") << "31/01/2028" << false << Repetition{1, 2, {}, {}, 3, false}
                                     << QStringList{"29/02/2028", "31/03/2028"};
        QTest::newRow("Easter Monday 2027 skipped")
            << "22/03/2027" << false << Repetition{1, 1, {&S::chkLun}, {}, 3, true}
            << QStringList{"30/03/2027", "05/04/2027"};
        QTest::newRow("a holiday skipped onto a Saturday")
            << "24/04/2026" << false << Repetition{1, 1, {&S::chkVen}, {}, 3, true}
            << QStringList{"02/05/2026", "08/05/2026"};
        QTest::newRow("end by date") << "06/01/2026" << false
                                     << Repetition{1, 1, {&S::chkMar}, "27/01/2026", 0, false}
                                     << QStringList{"13/01/2026", "20/01/2026", "27/01/2026"};
        QTest::newRow("the same end by count")
            << "06/01/2026" << false << Repetition{1, 1, {&S::chkMar}, {}, 4, false}
            << QStringList{"13/01/2026", "20/01/2026", "27/01/2026"};
        QTest::newRow("500 visits") << "02/01/2026" << false << Repetition{1, 0, {}, {}, 500, false}
                                    << everyDay("02/01/2026", 499);
    }
    void sameRecordsAsByHand() {
        QFETCH(QString, first);
        QFETCH(bool, stored);
        QFETCH(Repetition, repetition);
        QFETCH(QStringList, dates);
        fill(first, true);
        if (stored)
            card->cmdSalva->click();
        seams->messages.clear();
        repeat(repetition);
        const int written = int(dates.size()) + (stored ? 0 : 1);
        QCOMPARE(seams->messages.lastText(), TfrmRipetizione::insertedText(written));
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1")); // the card's own record
        const QByteArray repeated = seams->folder.read(kFile);

        QFile::remove(seams->folder.file(kFile));
        makeCard();
        fill(first, true);
        card->cmdSalva->click();
        byHand(dates);
        const QByteArray made = seams->folder.read(kFile);
        QCOMPARE(made.size(), qsizetype(dates.size() + 1) * Archives::appointments().size());
        QCOMPARE(repeated.size(), made.size());
        QVERIFY(repeated == made);
    }

    // The list shows every visit, a holiday named; a new card counts itself.
    void theListNamesTheHolidays() {
        fill(QStringLiteral("30/12/2025"), false);
        QStringList lines;
        QString total;
        repeat({1, 1, {&TfrmRipetizione::chkMar}, {}, 3, false}, [&](TfrmRipetizione *screen) {
            QVERIFY(screen->chkMar->isEnabled());
            for (int i = 0; i < screen->lstDate->count(); ++i) {
                lines << screen->lstDate->item(i)->text();
                QCOMPARE(screen->lstDate->item(i)->toolTip(), lines.last()); // read whole on hover
            }
            total = screen->lblTotale->text();
        });
        QCOMPARE(lines, (QStringList{"mar 06/01/2026 09:30  (festivo: Epifania)", "mar 13/01/2026 09:30"}));
        QCOMPARE(total, QStringLiteral("Appuntamenti da inserire: 3"));
        QVERIFY(!QFile::exists(seams->folder.file(kFile)) || seams->folder.read(kFile).isEmpty());
    }

    // The screen opens on the card's weekday, every week.
    void opensOnTheCardsWeekday() {
        fill(QStringLiteral("08/01/2026"), false); // a Thursday
        QList<bool> ticks;
        int unit = -1;
        whenModal([&](QWidget *w) {
            auto *s = static_cast<TfrmRipetizione *>(w);
            for (QCheckBox *c : {s->chkLun, s->chkMar, s->chkMer, s->chkGio, s->chkVen, s->chkSab, s->chkDom})
                ticks << c->isChecked();
            unit = s->cmbUnita->currentIndex();
            s->reject();
        });
        card->cmdRipeti->click();
        QCOMPARE(ticks, (QList<bool>{false, false, false, true, false, false, false}));
        QCOMPARE(unit, 1);
    }

    // The card's required fields come first, with their messages; nothing opens.
    void requiredFieldsFirst() {
        fill(QStringLiteral("06/01/2026"), false);
        card->txtCel->clear();
        NoModalExpected none;
        card->cmdRipeti->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(
            seams->messages.lastText(),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare "
                           "del cliente."));
        QCOMPARE(card->focusWidget(), card->txtCel);
    }

    // Nothing to insert, no end date, more than one append makes: warned,
    // nothing written, the screen still open.
    void refusals_data() {
        QTest::addColumn<Repetition>("repetition");
        QTest::addColumn<QString>("message");
        QTest::newRow("no visit after the first")
            << Repetition{1, 1, {&TfrmRipetizione::chkMar}, "12/01/2026", 0, false}
            << TfrmRipetizione::nothingToInsertText();
        QTest::newRow("no weekday ticked")
            << Repetition{1, 1, {}, {}, 10, false} << TfrmRipetizione::nothingToInsertText();
        QTest::newRow("no end date") << Repetition{1, 1, {&TfrmRipetizione::chkMar}, {}, 10, false}
                                     << TfrmRipetizione::noEndDateText();
        QTest::newRow("more than 500")
            << Repetition{1, 0, {}, "31/12/2030", 0, false} << TfrmRipetizione::tooManyText();
    }
    void refusals() {
        QFETCH(Repetition, repetition);
        QFETCH(QString, message);
        fill(QStringLiteral("06/01/2026"), false);
        bool open = false;
        repeat(repetition, [&](TfrmRipetizione *screen) {
            if (message == TfrmRipetizione::noEndDateText()) {
                screen->optFino->setChecked(true);
                screen->txtFino->clear();
            }
            screen->cmdCrea->click();
            open = screen->isVisible();
        });
        QVERIFY(open);
        QCOMPARE(seams->messages.lastText(), message);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(seams->folder.read(kFile), QByteArray());
        QCOMPARE(card->lblPosizione->text(), QString());
    }

    // A disk that fills up while the visits are written: the card's archive
    // message, the archive exactly as before, the card still new.
    void aFullDiskWritesNothing() {
        Record stored(Archives::appointments());
        stored.set("Data", QStringLiteral("01/12/2025"));
        stored.set("Contatto", QStringLiteral("Bianchi"));
        const QByteArray before = stored.bytes() + stored.bytes() + stored.bytes();
        fill(QStringLiteral("06/01/2026"), false);
        QByteArray left;
        {
            FullDisk disk(seams->folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            seams->folder.write(kFile, before);
            QVERIFY(disk.fill());
            QVERIFY(disk.leaveRoom(8192));
            repeat({1, 0, {}, {}, 40, false});
            left = seams->folder.read(kFile);
        }
        QCOMPARE(left, before);
        QCOMPARE(seams->messages.lastText(), CardScreen::archiveFailureText());
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Error);
        QCOMPARE(card->lblPosizione->text(), QString());
    }

    void hint() {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(card->cmdRipeti, &enter);
        QCOMPARE(
            card->panInfo->text(),
            QStringLiteral("Ripete l'appuntamento corrente ogni tanti giorni, settimane o mesi, inserendo in "
                           "archivio tutti gli appuntamenti in una volta."));
    }
};

QTEST_MAIN(TstRipetizione)
#include "tst_ripetizione.moc"
