// "Pianifica interventi" on the contract screen: the appointment made from
// the contract and the repetition of its service frequency, as the
// repetition screen shows them, and the records it writes; the contract is
// not changed. The visits obey the appointment card's rules: its required
// fields, the mobile from the client's card, no visit before today.
#include "TestEnv.h"
#include "appointments/card/AppointmentRequired.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "appointments/repetition/Ripetizione.h"
#include "contracts/card/ContractPlanning.h"
#include "contracts/card/Contratto.h"
#include "core/platform/Clock.h"
#include "core/records/Archives.h"
#include "ui/card/CardParts.h"
#include "ui/card/CardScreen.h"

#include <algorithm>
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

struct Client {
    QString name, vat, taxCode, mobile;
};

// Contatti.pro with these clients, in this order.
QByteArray clients(const QList<Client> &list) {
    QByteArray bytes;
    for (const Client &c : list) {
        Record r(Archives::clients());
        r.set("Cliente", c.name);
        r.set("PartitaIva", c.vat);
        r.set("CodFisc", c.taxCode);
        r.set("TelCel", c.mobile);
        bytes += r.bytes();
    }
    return bytes;
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
        // The contract's client on its card, with a mobile.
        seams->folder.write(QStringLiteral("Contatti.pro"),
                            clients({{QStringLiteral("Condominio Aurora"), QString(), QString(),
                                      QStringLiteral("3471112233")}}));
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
                                     << "mer 07/01/2026 08:30  (vale anche per mar 06/01/2026, festivo: "
                                        "Epifania)";
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
        bool byDate = false, skipsHolidays = false;
        whenModal([&](QWidget *w) {
            auto *r = qobject_cast<TfrmRipetizione *>(w);
            QVERIFY(r);
            for (QCheckBox *c : {r->chkLun, r->chkMar, r->chkMer, r->chkGio, r->chkVen, r->chkSab, r->chkDom})
                ticks += c->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
            shownUnit = r->cmbUnita->currentIndex();
            fino = r->txtFino->text();
            byDate = r->optFino->isChecked();
            skipsHolidays = r->chkFestivi->isChecked();
            firstLine = r->lstDate->count() ? r->lstDate->item(0)->text() : QString();
            count = r->lstDate->count();
            r->cmdCrea->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(shownUnit, unit);
        if (unit == 1)
            QCOMPARE(ticks, ticked);
        QVERIFY(byDate);
        QVERIFY(skipsHolidays); // from a contract, holidays are skipped unless the user says otherwise
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
                              {662, "3471112233"},
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

    // The visits ask what the card's Salva asks, with its messages.
    void theRequiredFieldsAreTheCards() {
        TfrmArchivio_Scadenze card;
        QList<CardField> cards;
        for (const CardField &f : card.card()->definition().fields)
            if (!f.required.isEmpty())
                cards.append(f);
        std::stable_sort(cards.begin(), cards.end(),
                         [](const CardField &a, const CardField &b) { return a.requiredOrder < b.requiredOrder; });
        const QList<AppointmentRequired::Field> &asked = AppointmentRequired::fields();
        QCOMPARE(asked.size(), cards.size());
        for (int i = 0; i < cards.size(); ++i) {
            QCOMPARE(QLatin1String(asked[i].control), QLatin1String(cards[i].control));
            QCOMPARE(asked[i].warning, cards[i].required);
        }
    }

    void aRequiredFieldLeftEmptyStopsCrea_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("warning"); // the card's field whose warning is shown
        QTest::newRow("the mobile") << "txtCel"
                                    << "txtCel";
        QTest::newRow("the services") << "txtCausale"
                                      << "txtCausale";
        QTest::newRow("the first date") << "txtData"
                                        << "txtData";
    }
    void aRequiredFieldLeftEmptyStopsCrea() {
        QFETCH(QString, field);
        QFETCH(QString, warning);
        fillContract(QStringLiteral("07/01/2026"), QString(), QStringLiteral("Settimanale"));
        QString focused;
        bool stillOpen = false;
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            r->findChild<QLineEdit *>(field)->clear();
            r->cmdCrea->click();
            focused = r->focusWidget() ? r->focusWidget()->objectName() : QString();
            stillOpen = r->isVisible();
            r->cmdChiudi->click();
        });
        screen->cmdPianifica->click();
        QVERIFY(stillOpen);
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        for (const AppointmentRequired::Field &r : AppointmentRequired::fields())
            if (QLatin1String(r.control) == warning)
                QCOMPARE(seams->messages.lastText(), r.warning);
        QCOMPARE(focused, field);
        QVERIFY(seams->folder.read(kAppointments).isEmpty());
    }

    // The client's card is found by VAT number, else by tax code, else by
    // name (a–z case aside); of several cards the last one gives the mobile.
    void theMobileComesFromTheClientsCard_data() {
        QTest::addColumn<QStringList>("cards"); // name|VAT|tax code|mobile, in file order
        QTest::addColumn<QString>("vat");
        QTest::addColumn<QString>("taxCode");
        QTest::addColumn<QString>("mobile");
        QTest::newRow("by VAT number, under another name")
            << QStringList{"Aurora Srl|01234567890||3330000001"} << "01234567890"
            << ""
            << "3330000001";
        QTest::newRow("VAT number before an earlier name")
            << QStringList{"Condominio Aurora|||3330000002", "Aurora Srl|01234567890||3330000001"}
            << "01234567890"
            << ""
            << "3330000001";
        QTest::newRow("VAT number before a later name")
            << QStringList{"Aurora Srl|01234567890||3330000001", "Condominio Aurora|||3330000002"}
            << "01234567890"
            << ""
            << "3330000001";
        QTest::newRow("tax code before name, a-z case aside")
            << QStringList{"Condominio Aurora|||3330000002", "Rossi Mario||RSSMRA80A01H501U|3330000003"} << ""
            << "rssmra80a01h501u"
            << "3330000003";
        QTest::newRow("by name, a-z case aside") << QStringList{"CONDOMINIO AURORA|||3330000004"} << ""
                                                 << ""
                                                 << "3330000004";
        QTest::newRow("of two cards, the last")
            << QStringList{"Condominio Aurora|||3330000005", "Condominio Aurora|||3330000006"} << ""
            << ""
            << "3330000006";
        QTest::newRow("an empty VAT number matches no empty one")
            << QStringList{"Altro Cliente|||3330000007"} << ""
            << ""
            << "";
        QTest::newRow("no card") << QStringList{} << "01234567890"
                                 << "RSSMRA80A01H501U"
                                 << "";
    }
    void theMobileComesFromTheClientsCard() {
        QFETCH(QStringList, cards);
        QFETCH(QString, vat);
        QFETCH(QString, taxCode);
        QFETCH(QString, mobile);
        QList<Client> list;
        for (const QString &c : cards) {
            const QStringList f = c.split(QLatin1Char('|'));
            list.append({f[0], f[1], f[2], f[3]});
        }
        seams->folder.write(QStringLiteral("Contatti.pro"), clients(list));
        fillContract(QStringLiteral("07/01/2026"), QString(), QStringLiteral("Settimanale"));
        screen->txtPartitaIvaCli->setText(vat);
        screen->txtCodFiscCli->setText(taxCode);
        QString shown;
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            shown = r->txtCel->text();
            r->cmdChiudi->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(shown, mobile);
    }

    // A contract signed months ago starts its visits today; a first visit on
    // a Sunday or a holiday moves to the next working day (today is Friday
    // 02/01/2026).
    void theFirstVisitIsNeverBeforeToday_data() {
        QTest::addColumn<QString>("signing");
        QTest::addColumn<QString>("first");
        QTest::newRow("signed eight months back") << "02/05/2025"
                                                  << "02/01/2026";
        QTest::newRow("signed for a later Sunday") << "04/01/2026"
                                                   << "05/01/2026";
        QTest::newRow("signed for Epiphany") << "06/01/2026"
                                             << "07/01/2026";
    }
    void theFirstVisitIsNeverBeforeToday() {
        QFETCH(QString, signing);
        QFETCH(QString, first);
        fillContract(signing, QString(), QStringLiteral("Giornaliera"));
        QString shown;
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            shown = r->txtData->text();
            r->cmdChiudi->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(shown, first);
    }

    void aFirstVisitBeforeTodayIsRefused() {
        fillContract(QStringLiteral("07/01/2026"), QString(), QStringLiteral("Settimanale"));
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            r->txtData->setText(QStringLiteral("01/01/2026"));
            r->cmdCrea->click();
            r->cmdChiudi->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(seams->messages.lastText(), TfrmRipetizione::firstBeforeTodayText());
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
        QVERIFY(seams->folder.read(kAppointments).isEmpty());
    }

    // Titled for the contract, with the banner of the other satellites, and
    // of the size the card's repetition of the same appointment has.
    void theWindowIsTheCardsRepetitionRetitled() {
        fillContract(QStringLiteral("07/01/2026"), QString(), QStringLiteral("Settimanale"));
        QString title, bannerName;
        QSize size;
        whenModal([&](QWidget *w) {
            auto *r = static_cast<TfrmRipetizione *>(w);
            title = r->windowTitle();
            if (auto *banner = r->findChild<CardBanner *>())
                bannerName = banner->objectName();
            size = r->size();
            r->cmdCrea->click();
        });
        screen->cmdPianifica->click();
        QCOMPARE(title, QStringLiteral(" Pianifica interventi"));
        QCOMPARE(bannerName, QStringLiteral("imgIstruzioni"));
        Record first(Archives::appointments());
        first.bytes() = seams->folder.read(kAppointments).left(kSize);
        TfrmRipetizione fromCard(nullptr, first, true);
        fromCard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fromCard));
        QCOMPARE(fromCard.windowTitle(), QStringLiteral(" Ripeti appuntamento"));
        QVERIFY(fromCard.findChild<CardBanner *>());
        QCOMPARE(size, fromCard.size());
    }
};

QTEST_MAIN(TstPianifica)
#include "tst_pianifica.moc"
