// The clients to recontact: only the exact flag "Sì", the line with the
// pending issues, the sorted list and the double-click back into the card.
#include "ClientFixture.h"
#include "TestEnv.h"
#include "clients/Clienti.h"
#include "clients/Ricontatta.h"
#include "shell/Application.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TstRicontatta : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    TfrmClienti *card = nullptr;

    void withList(const std::function<void(TfrmRicontatta *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmRicontatta *>(w);
            QVERIFY(s);
            steps(s);
            ran = true;
            if (s->isVisible())
                s->close();
        });
        card->cmdRicontatta->click();
        QVERIFY(ran);
    }
    static QStringList lines(TfrmRicontatta *s) { return s->list->lstRecords->listModel()->lines(); }

private slots:
    void init() {
        folder = new TempProgramFolder;
        messages = new ScriptedMessages;
        folder->write(
            QStringLiteral("Contatti.pro"),
            clientRecord({{"Cliente", "Verdi Luca"}, {"Ricontatta", "Sì"}, {"Questioni", "preventivo"}}) +
                clientRecord({{"Cliente", "Neri Anna"}, {"Ricontatta", "No"}}) +
                clientRecord({{"Cliente", "Gialli Ugo"}}) +
                clientRecord({{"Cliente", "Blu Sara"}, {"Ricontatta", "SI"}}) +
                clientRecord({{"Cliente", "Bianchi Eva"},
                              {"Recapito", "061234"},
                              {"Occupazione", "Medico"},
                              {"Prodotti", "Vetri"},
                              {"Ricontatta", "Sì"}}) +
                clientRecord({{"Cliente", "Verdi Luca"},
                              {"Ricontatta", "Sì"},
                              {"Questioni", "preventivo"},
                              {"Note", "il secondo"}}));
        card = Tersalia::createScreens().clienti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete messages;
        delete folder;
    }

    void onlyTheTickedClientsSorted() {
        withList([&](TfrmRicontatta *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Riepilogo clienti da ricontattare"));
            const QStringList l = lines(s);
            QCOMPARE(l.size(), 3);
            QCOMPARE(l[0], QStringLiteral("Bianchi Eva                 Tel. 061234           Medico          "
                                          "           Prod. Vetri                           "));
            QVERIFY(l[1].startsWith(QStringLiteral("Verdi Luca ")));
            QVERIFY(l[1].endsWith(QStringLiteral("  preventivo")));
            QCOMPARE(l[1], l[2]);
            QCOMPARE(s->list->lblRigo03->text(),
                     QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
        });
    }

    void doubleClickLoadsTheVeryClientClicked() {
        for (int row : {1, 2}) {
            qint64 number = 0;
            withList([&](TfrmRicontatta *s) {
                number = s->list->lstRecords->listModel()->recordNumber(row);
                s->loadLine(row);
                QVERIFY(!s->isVisible());
            });
            QCOMPARE(card->lblPosizione->text(), QString::number(number));
            QCOMPARE(card->findChild<QLineEdit *>(QStringLiteral("txtNote"))->text(),
                     number == 6 ? QStringLiteral("il secondo") : QString());
            QVERIFY(card->chkRicontatta->isChecked());
        }
    }

    void untickingTakesTheClientOff() {
        withList([&](TfrmRicontatta *s) { s->loadLine(0); });
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("5"));
        card->chkRicontatta->setChecked(false);
        card->txtTelCel->setText(QStringLiteral("333"));
        card->txtCodFisc->setText(QStringLiteral("X"));
        card->cmdSalva->click();
        withList([&](TfrmRicontatta *s) { QCOMPARE(lines(s).size(), 2); });
    }

    void quickFindOnAnEmptyList() {
        folder->write(QStringLiteral("Contatti.pro"), QByteArray());
        withList([&](TfrmRicontatta *s) {
            QVERIFY(lines(s).isEmpty());
            s->list->btnTrova->click();
            QCOMPARE(messages->lastText(),
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
    }
};

QTEST_MAIN(TstRicontatta)
#include "tst_ricontatta.moc"
