// "Pianifica interventi" on the contract screen: the appointment made from
// the contract and the repetition of its service frequency, as the
// repetition screen shows them, and the records it writes; the contract is
// not changed.
#include "TestEnv.h"
#include "appointments/repetition/Ripetizione.h"
#include "contracts/card/ContractPlanning.h"
#include "contracts/card/Contratto.h"
#include "core/platform/Clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kAppointments = QStringLiteral("Archivio_Appuntamenti.pro");
constexpr int kSize = 1265;

// An appointment record written from the field table's offsets.
QByteArray appointment(std::initializer_list<std::pair<int, QByteArray>> puts) {
    QByteArray r(kSize, '\0');
    for (const auto &[offset, text] : puts) {
        r[offset] = char(text.size());
        r.replace(offset + 1, text.size(), text);
    }
    return r;
}

} // namespace

class TstPianifica : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    TfrmContratto *screen = nullptr;

    void fillContract(const QString &date, const QString &hours, const QString &frequency) {
        screen->txtNumContratto->setText(QStringLiteral("12"));
        screen->txtData->setText(date);
        screen->txtCliente->setText(QStringLiteral("Condominio Aurora"));
        screen->txtTelCli->setText(QStringLiteral("0547 123456"));
        screen->txtDurata->setText(hours);
        screen->txtQualitaCli->setEditText(frequency);
        screen->txtOpInc[0]->setText(QStringLiteral(" pulizia pavimenti "));
        screen->txtOpInc[2]->setText(QStringLiteral("svuotamento cestini"));
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        Clock::setFixed(QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
        screen = new TfrmContratto;
        screen->show();
    }
    void cleanup() {
        delete screen;
        delete seams;
        Clock::setFixed(QDateTime());
    }

    void prefillForEachFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("first"); // the first visit's date
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("ticked"); // lun mar mer gio ven sab dom as 0/1
        QTest::addColumn<QString>("until");
        QTest::addColumn<QString>("line"); // the first line of the list
        QTest::newRow("Giornaliera") << "Giornaliera"
                                     << "05/01/2026"
                                     << "dalle 8:30 alle 12:00"
                                     << "05/01/2026"
                                     << "08:30" << 1 << "1111110"
                                     << "05/01/2027"
                                     << "mar 06/01/2026 08:30  (festivo: Epifania)";
        QTest::newRow("Settimanale") << "Settimanale"
                                     << "07/01/2026"
                                     << "al mattino"
                                     << "07/01/2026"
                                     << "09:00" << 1 << "0010000"
                                     << "07/01/2027"
                                     << "mer 14/01/2026 09:00";
        QTest::newRow("Bisettimanale") << "Bisettimanale"
                                       << "08/01/2026"
                                       << "14.00-16.00"
                                       << "08/01/2026"
                                       << "14:00" << 1 << "1001000"
                                       << "08/01/2027"
                                       << "lun 12/01/2026 14:00";
        QTest::newRow("Mensile") << "Mensile"
                                 << "31/01/2026"
                                 << "ore 7:45, poi 25:00"
                                 << "31/01/2026"
                                 << "07:45" << 2 << "0000010"
                                 << "31/01/2027"
                                 << "sab 28/02/2026 07:45  (ultimo giorno del mese)";
        QTest::newRow("no date: today") << "Settimanale"
                                        << ""
                                        << ""
                                        << "02/01/2026"
                                        << "09:00" << 1 << "0000100"
                                        << "02/01/2027"
                                        << "ven 09/01/2026 09:00";
    }
    void prefillForEachFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QString, date);
        QFETCH(QString, hours);
        QFETCH(QString, first);
        QFETCH(QString, time);
        QFETCH(int, unit);
        QFETCH(QString, ticked);
        QFETCH(QString, until);
        QFETCH(QString, line);
        fillContract(date, hours, frequency);
        QString ticks, fino, firstLine;
        int shownUnit = -1, count = 0;
        bool byDate = false;
        whenModal([&](QWidget *w) {
            auto *r = qobject_cast<TfrmRipetizione *>(w);
            QVERIFY(r);
            for (QCheckBox *c : {r->chkLun, r->chkMar, r->chkMer, r->chkGio, r->chkVen, r->chkSab, r->chkDom})
                ticks += c->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
            shownUnit = r->cmbUnita->currentIndex();
            fino = r->txtFino->text();
            byDate = r->optFino->isChecked();
            firstLine = r->lstDate->count() ? r->lstDate->item(0)->text() : QString();
            count = r->lstDate->count();
            r->cmdCrea->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(shownUnit, unit);
        if (unit == 1)
            QCOMPARE(ticks, ticked);
        QVERIFY(byDate);
        QCOMPARE(fino, until);
        QCOMPARE(firstLine, line);
        QCOMPARE(seams->messages.lastText(), TfrmRipetizione::insertedText(count + 1));

        const QByteArray file = seams->folder.read(kAppointments);
        QCOMPARE(file.size(), qsizetype(count + 1) * kSize);
        const QByteArray hh = time.left(2).toLatin1(), mm = time.mid(3).toLatin1();
        QCOMPARE(file.left(kSize),
                 appointment({{0, first.toLatin1()},
                              {11, hh},
                              {14, mm},
                              {17, time.toLatin1()},
                              {23, "0"},
                              {78, "Contratto N. 12: pulizia pavimenti; svuotamento cestini"},
                              {580, "Condominio Aurora"},
                              {631, "0547 123456"},
                              {995, "0,00"},
                              {1262, "No"}}));
        // The contract stays as it was, unsaved.
        QCOMPARE(screen->txtData->text(), date);
        QCOMPARE(screen->txtDurata->text(), hours);
        QCOMPARE(screen->lblPosizione->text(), QString());
        QVERIFY(seams->folder.read(QStringLiteral("Contratti.pro")).isEmpty());
    }

    // The appointment made from the contract can be changed before Crea: the
    // records take the changes, the weekly day follows the new first date,
    // and the contract stays as it was.
    void theAppointmentCanBeChanged() {
        fillContract(QStringLiteral("07/01/2026"), QStringLiteral("8:00"), QStringLiteral("Settimanale"));
        QStringList lines;
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            QVERIFY(r->txtData);
            QCOMPARE(r->txtOreApp->currentText(), QStringLiteral("08"));
            QCOMPARE(r->txtCausale->text(),
                     QStringLiteral("Contratto N. 12: pulizia pavimenti; svuotamento cestini"));
            r->txtData->setText(QStringLiteral("12/01/2026")); // a Monday
            r->txtOreApp->setCurrentText(QStringLiteral("10"));
            r->txtMinutiApp->setCurrentText(QStringLiteral("15"));
            r->txtTipologia->setText(QStringLiteral("Luca"));
            r->txtCausale->setText(QStringLiteral("Scale e androne"));
            r->txtCel->setText(QStringLiteral("3339998888"));
            r->txtFino->setText(QStringLiteral("26/01/2026"));
            for (int i = 0; i < r->lstDate->count(); ++i)
                lines << r->lstDate->item(i)->text();
            r->cmdCrea->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(lines, (QStringList{"lun 19/01/2026 10:15", "lun 26/01/2026 10:15"}));
        const QByteArray file = seams->folder.read(kAppointments);
        QCOMPARE(file.size(), 3 * kSize);
        const auto record = [](const QByteArray &date, const QByteArray &flag) {
            return appointment({{0, date},
                                {11, "10"},
                                {14, "15"},
                                {17, "10:15"},
                                {23, "0"},
                                {27, "Luca"},
                                {78, "Scale e androne"},
                                {580, "Condominio Aurora"},
                                {631, "0547 123456"},
                                {662, "3339998888"},
                                {995, "0,00"},
                                {1262, flag}});
        };
        QCOMPARE(file.left(kSize), record("12/01/2026", "No"));
        QCOMPARE(file.mid(2 * kSize), record("26/01/2026", "No"));
        QCOMPARE(screen->txtData->text(), QStringLiteral("07/01/2026"));
        QCOMPARE(screen->txtDurata->text(), QStringLiteral("8:00"));
        QCOMPARE(screen->txtOpInc[0]->text(), QStringLiteral(" pulizia pavimenti "));
    }

    // Long activities are cut to the services field.
    void theServicesAreCutToTheirField() {
        fillContract(QStringLiteral("05/01/2026"), QString(), QStringLiteral("Mensile"));
        for (QLineEdit *a : screen->txtOpInc)
            a->setText(QString(120, QLatin1Char('a')));
        QString shown;
        whenModal([&](QWidget *w) {
            shown = w->findChild<QLabel *>(QStringLiteral("lblAppuntamento"))->text();
            static_cast<TfrmRipetizione *>(w)->cmdCrea->click();
        });
        screen->cmdPianifica->click();
        const QByteArray file = seams->folder.read(kAppointments);
        QCOMPARE(uchar(file.at(78)), uchar(250));
        QVERIFY(file.mid(79, 250).startsWith("Contratto N. 12: aaaa"));
        QVERIFY(shown.contains(QStringLiteral("Condominio Aurora")));
    }

    void aClientIsNeeded() {
        fillContract(QStringLiteral("05/01/2026"), QString(), QStringLiteral("Mensile"));
        screen->txtCliente->clear();
        NoModalExpected none;
        screen->cmdPianifica->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(seams->messages.lastText(), ContractPlanning::noClientText());
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
    }
};

QTEST_MAIN(TstPianifica)
#include "tst_pianifica.moc"
