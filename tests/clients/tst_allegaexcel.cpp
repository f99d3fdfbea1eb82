// The services supplied to a client: the services file named after the
// client's number, the lines, the total, the entry panel, Modifica voce on
// the very line selected, and an unreadable amount that hides nothing: it is
// listed, left out of the total, and the screen and the print say so.
#include "ClientFixture.h"
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "clients/AllegaExcel.h"
#include "clients/Clienti.h"
#include "core/platform/Clock.h"
#include "shell/Application.h"
#include "ui/card/CardScreen.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
QByteArray service(const QString &date, const QString &time, const QString &what, const QString &agent,
                   const QString &amount) {
    Record r(Archives::services());
    r.set("Data", date);
    r.set("Ora", time);
    r.set("Servizi", what);
    r.set("Agente", agent);
    r.set("Importo", amount);
    return r.bytes();
}
} // namespace

class TstAllegaExcel : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    TfrmClienti *card = nullptr;

    // Opens the services from the card (client number 2 by default), runs steps, closes.
    bool withServices(const std::function<void(TfrmAllegaExcel *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaExcel *>(w);
            QVERIFY(s);
            steps(s);
            ran = true;
            if (s->isVisible())
                s->close();
        });
        card->btnProve->click();
        return ran;
    }
    static QStringList lines(TfrmAllegaExcel *s) { return s->list->lstRecords->listModel()->lines(); }
    void addService(TfrmAllegaExcel *s, const QString &amount) {
        s->btnAggiungi->click();
        s->txtData->setText(QStringLiteral("01/03/2024"));
        s->txtOra->setText(QStringLiteral("10:00"));
        s->txtServizi->setText(QStringLiteral("Pulizia"));
        s->txtAgente->setText(QStringLiteral("Anna"));
        s->txtImporto->setText(amount);
        QVERIFY(s->btnSalvaClick());
    }

private slots:
    void init() {
        folder = new TempProgramFolder;
        messages = new ScriptedMessages;
        card = Tersalia::createScreens().clienti;
        card->openModule();
        card->txtCliente->setText(QStringLiteral("Rossi Mario"));
        card->card()->setPosition(2);
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete messages;
        delete folder;
    }

    void onlyForAStoredCardWithAName() {
        card->card()->setPosition(0);
        card->btnProve->click();
        QCOMPARE(messages->lastText(),
                 QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato "
                                "soltanto dopo aver salvato la scheda del cliente."));
        card->card()->setPosition(2);
        card->txtCliente->setText(QStringLiteral("  "));
        card->btnProve->click();
        QCOMPARE(messages->lastText(),
                 QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi è "
                                "necessario indicare il nome del cliente."));
        QCOMPARE(messages->shown.size(), 2);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("Servizi_Cliente_2.pro"))));
    }

    void aClientWithNoServices() {
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Riepilogo servizi forniti"));
            QCOMPARE(s->lblTitolo->text(), QStringLiteral("Servizi forniti a Rossi Mario"));
            QVERIFY(lines(s).isEmpty());
            QCOMPARE(s->lblTotale->text(), QStringLiteral("€ 0,00"));
            QVERIFY(s->panContainer->isVisible());
            s->btnModifica->click();
            QCOMPARE(messages->lastText(),
                     QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        }));
        QVERIFY(QFile::exists(folder->file(QStringLiteral("Servizi_Cliente_2.pro"))));
        QCOMPARE(folder->read(QStringLiteral("Servizi_Cliente_2.pro")), QByteArray());
    }

    void threeServicesAndTheirTotal() {
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            addService(s, QStringLiteral("10"));
            addService(s, QStringLiteral("20,5"));
            addService(s, QStringLiteral("0,333"));
        }));
        const QByteArray file = folder->read(QStringLiteral("Servizi_Cliente_2.pro"));
        QCOMPARE(file.size(), 3 * 117);
        QCOMPARE(file.mid(101, 16), QByteArray("\x05"
                                               "10,00") +
                                        QByteArray(10, '\0'));
        QCOMPARE(file.mid(117 + 101, 6), QByteArray("\x05"
                                                    "20,50"));
        QCOMPARE(file.mid(234 + 101, 5), QByteArray("\x04"
                                                    "0,33"));
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            QCOMPARE(lines(s).size(), 3);
            QCOMPARE(lines(s)[1], QStringLiteral("Data: 01/03/2024   Ora: 10:00   Servizi: Pulizia") +
                                      QString(47, QLatin1Char(' ')) + QStringLiteral("  Agente: Anna") +
                                      QString(24, QLatin1Char(' ')) + QStringLiteral("  Costo: € 20,50"));
            QCOMPARE(s->lblTotale->text(), QStringLiteral("€ 30,83"));
        }));
    }

    // An amount the program did not write (a dot, a thousands separator,
    // words) is no amount: the total leaves it out and says how many.
    void total_data() {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("leftOut");
        const QString one = QStringLiteral("1 voce con importo non leggibile non è compresa nel totale");
        QTest::newRow("one") << QStringList{"15,00"} << 1 << "€ 15,00"
                             << "";
        QTest::newRow("rounding of the sum") << QStringList{"0,10", "0,20"} << 2 << "€ 0,30"
                                             << "";
        // Typed with three decimals outside the program: each rounded once, half
        // up, then added, as the year's overview does (a sum of doubles gave 0,32).
        QTest::newRow("three decimals") << QStringList{"0,105", "0,105", "0,105"} << 3 << "€ 0,33"
                                        << "";
        QTest::newRow("a negative entry") << QStringList{"10,00", "-12,50"} << 2 << "€ -2,50"
                                          << "";
        QTest::newRow("thousands") << QStringList{"1250,50", "999,50"} << 2 << "€ 2250,00"
                                   << "";
        QTest::newRow("empty amount is not listed") << QStringList{"10,00", "", "5,00"} << 2 << "€ 15,00"
                                                    << "";
        QTest::newRow("unreadable amount listed, not totalled")
            << QStringList{"10,00", "dieci", "5,00"} << 3 << "€ 15,00" << one;
        QTest::newRow("a dot from outside") << QStringList{"10,00", "12.50"} << 2 << "€ 10,00" << one;
        QTest::newRow("thousands separator") << QStringList{"1.250,00", "30,00"} << 2 << "€ 30,00" << one;
        QTest::newRow("two damaged") << QStringList{"abc", "5,00", "7.5"} << 3 << "€ 5,00"
                                     << "2 voci con importo non leggibile non sono comprese nel totale";
    }
    void total() {
        QFETCH(QStringList, amounts);
        QFETCH(int, listed);
        QFETCH(QString, total);
        QFETCH(QString, leftOut);
        QByteArray file;
        for (const QString &a : amounts)
            file += service("01/01/2024", "09:00", "Vetri", "Luca", a);
        folder->write(QStringLiteral("Servizi_Cliente_2.pro"), file);
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            QCOMPARE(lines(s).size(), listed);
            QCOMPARE(s->lblTotale->text(), total);
            QCOMPARE(s->lblEscluse->text(), leftOut);
            QCOMPARE(s->lblEscluse->isVisible(), !leftOut.isEmpty());
        }));
    }

    void printTellsTheDamagedAmount() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils not installed");
        folder->write(QStringLiteral("Servizi_Cliente_2.pro"),
                      service("01/01/2024", "09:00", "Vetri", "Luca", "30,00") +
                          service("02/01/2024", "09:00", "Scale", "Luca", "1.250,00"));
        ScriptedPrinter printer;
        printer.outputFile = folder->file("servizi.pdf");
        QVERIFY(withServices([&](TfrmAllegaExcel *s) { s->list->btnStampa->click(); }));
        QCOMPARE(printer.calls, 1);
        const QString text = PdfText(printer.outputFile).allText().simplified();
        QVERIFY(text.contains(QStringLiteral("TOTALE IMPORTI: € 30,00")));
        QVERIFY(text.contains(QStringLiteral("1 voce con importo non leggibile non è compresa nel totale")));
    }

    // Two equal lines: Modifica voce edits the one selected, not the last look-alike.
    void modifyEditsTheLineSelected() {
        const QByteArray twin = service("01/01/2024", "09:00", "Vetri", "Luca", "10,00");
        folder->write(QStringLiteral("Servizi_Cliente_2.pro"),
                      twin + service("02/01/2024", "09:00", "Scale", "Anna", "20,00") + twin);
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            s->btnModifica->click();
            QCOMPARE(messages->lastText(),
                     QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di "
                                    "premere il pulsante di modifica."));
            s->list->lstRecords->selectRow(0);
            s->btnModifica->click();
            QVERIFY(s->panCosti->isVisible());
            QCOMPARE(s->lblPosizione->text(), QStringLiteral("1"));
            QCOMPARE(s->txtServizi->text(), QStringLiteral("Vetri"));
            s->txtImporto->setText(QStringLiteral("12"));
            QVERIFY(s->btnSalvaClick());
            QCOMPARE(messages->lastText(),
                     QStringLiteral(
                         "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        }));
        const QByteArray file = folder->read(QStringLiteral("Servizi_Cliente_2.pro"));
        QCOMPARE(file.size(), 3 * 117);
        QCOMPARE(file.left(117), service("01/01/2024", "09:00", "Vetri", "Luca", "12,00"));
        QCOMPARE(file.mid(234), twin);
    }

    void saveTwiceUpdatesTheNewEntry() {
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            addService(s, QStringLiteral("15,5"));
            QCOMPARE(messages->lastText(),
                     QStringLiteral("La scheda corrente è stata inserita in archivio."));
            QCOMPARE(s->txtImporto->text(), QStringLiteral("15,50"));
            s->txtAgente->setText(QStringLiteral("Paolo"));
            QVERIFY(s->btnSalvaClick());
            QCOMPARE(s->lblPosizione->text(), QStringLiteral("1"));
        }));
        QCOMPARE(folder->read(QStringLiteral("Servizi_Cliente_2.pro")),
                 service("01/03/2024", "10:00", "Pulizia", "Paolo", "15,50"));
    }

    void requiredFieldsInOrder() {
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            s->btnAggiungi->click();
            const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
            const QList<QPair<QLineEdit *, QString>> steps = {
                {s->txtData, need + "la data in cui è stato fornito il servizio."},
                {s->txtOra, need + "l'ora in cui è stato fornito il servizio."},
                {s->txtServizi, need + "i servizi forniti."},
                {s->txtAgente, need + "il nome dell'agente che ha fornito il servizio."}};
            for (const auto &step : steps) {
                QVERIFY(!s->btnSalvaClick());
                QCOMPARE(messages->lastText(), step.second);
                QCOMPARE(s->focusWidget(), step.first);
                step.first->setText(QStringLiteral("x"));
            }
            QVERIFY(s->btnSalvaClick()); // the amount is "0,00", never empty
        }));
    }

    void entryPanelKeysAndIcons() {
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(8, 7, 9)));
        QVERIFY(withServices([&](TfrmAllegaExcel *s) {
            s->btnAggiungi->click();
            QCOMPARE(s->txtImporto->text(), QStringLiteral("0,00"));
            s->impData->click();
            s->impOra->click();
            QCOMPARE(s->txtData->text(), QStringLiteral("05/03/2024"));
            QCOMPARE(s->txtOra->text(), QStringLiteral("08:07"));
            s->txtImporto->clear();
            QTest::keyClicks(s->txtImporto, QStringLiteral("1a2.,5 -"));
            QCOMPARE(s->txtImporto->text(), QStringLiteral("12,5"));
            QLineEdit *order[] = {s->txtData, s->txtOra, s->txtServizi, s->txtAgente, s->txtImporto};
            s->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(s));
            for (int i = 0; i < 5; ++i) {
                order[i]->setFocus();
                QTest::keyClick(order[i], Qt::Key_Return);
                QCOMPARE(s->focusWidget(), order[(i + 1) % 5]);
            }
            QCOMPARE(s->txtImporto->text(), QStringLiteral("12,50")); // normalised on leaving
            QCOMPARE(s->txtServizi->maxLength(), 54);
            QCOMPARE(s->txtAgente->maxLength(), 28);
        }));
        Clock::setFixed(QDateTime());
    }

    void servicesFollowTheClientNumber() {
        folder->write(QStringLiteral("Servizi_Cliente_5.pro"),
                      service("01/01/2024", "09:00", "Vetri", "Luca", "7,00"));
        card->card()->setPosition(5);
        QVERIFY(withServices([&](TfrmAllegaExcel *s) { QCOMPARE(lines(s).size(), 1); }));
        card->card()->setPosition(6);
        QVERIFY(withServices([&](TfrmAllegaExcel *s) { QCOMPARE(lines(s).size(), 0); }));
    }
};

QTEST_MAIN(TstAllegaExcel)
#include "tst_allegaexcel.moc"
