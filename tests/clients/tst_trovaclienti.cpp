// The client search: its criteria, its sorted line and the hand-back into the
// appointment card (caller "scadenze") and into any other opener.
#include "ClientFixture.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "clients/ClientSearch.h"
#include "clients/TrovaClienti.h"
#include "core/platform/ProgramFolder.h"
#include "shell/Application.h"
#include "ui/card/CardScreen.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QString kFile = QStringLiteral("Contatti.pro");

QByteArray clientArchive() {
    return clientRecord({{"Cliente", "Rossi Mario"},
                         {"Recapito", "061234567"},
                         {"TelCel", "3331111111"},
                         {"Email", "mario@rossi.it"},
                         {"Estremi", "Bonifico a 30 giorni"},
                         {"ComuneRes", "Roma"},
                         {"CodFisc", "RSSMRA80A01H501U"},
                         {"Occupazione", "Impiegato"},
                         {"Prodotti", "Pulizia uffici"},
                         {"Zona", "Nord"},
                         {"Note", "cliente storico"}}) +
           clientRecord({{"Cliente", "Bianchi Anna"},
                         {"ComuneRes", "Frosinone"},
                         {"TelCel", "3332222222"},
                         {"Prodotti", "Vetrate"}}) +
           clientRecord({{"Cliente", "ANNA ROSSINI"},
                         {"ComuneRes", "Roma"},
                         {"TelCel", "3333333333"},
                         {"Questioni", "fattura da saldare"}}) +
           clientRecord({{"Cliente", "Rossi Mario"},
                         {"Recapito", "061234567"},
                         {"TelCel", "3334444444"},
                         {"Occupazione", "Impiegato"},
                         {"Prodotti", "Pulizia uffici"},
                         {"Note", "cliente storico"}});
}
} // namespace

class TstTrovaClienti : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;

    static QStringList listed(TfrmTrovaClienti *s) { return s->list->lstRecords->listModel()->lines(); }

    // Opens the search with a hand-back that records what it is given.
    void withSearch(const QString &caller, const std::function<void(TfrmTrovaClienti *)> &steps,
                    QList<QPair<QString, qint64>> *handed = nullptr) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaClienti *>(w);
            QVERIFY(search);
            QCOMPARE(search->lblMemory->text(), caller);
            steps(search);
            ran = true;
            if (search->isVisible())
                search->close();
        });
        ClientSearch::open(nullptr, caller, [handed](const Record &r, qint64 n) {
            if (handed)
                handed->append({r.get("TelCel"), n});
        });
        QVERIFY(ran);
    }

private slots:
    void init() {
        folder = new TempProgramFolder;
        folder->write(kFile, clientArchive());
        messages = new ScriptedMessages;
    }
    void cleanup() {
        delete messages;
        delete folder;
    }

    void wholeArchiveSortedWithItsLine() {
        withSearch(QStringLiteral("contratto"), [&](TfrmTrovaClienti *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
            s->btnCerca->click();
            const QStringList lines = listed(s);
            QCOMPARE(lines.size(), 4);
            QCOMPARE(lines[0], QStringLiteral("ANNA ROSSINI                Tel.                              "
                                              "               Prod.                                 "));
            QCOMPARE(lines[1].left(12), QStringLiteral("Bianchi Anna"));
            QCOMPARE(lines[2],
                     QStringLiteral("Rossi Mario                 Tel. 061234567        Impiegato             "
                                    "     Prod. Pulizia uffici                  cliente storico"));
            QCOMPARE(lines[3], lines[2]);
            QCOMPARE(s->list->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 4 schede."));
        });
    }

    void criteria_data() {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("expected"); // mobile numbers of the clients listed, line order
        QTest::newRow("part of a surname, any case") << QStringList{"txtCliente"} << QStringList{"ROSSI"}
                                                     << QStringList{"3333333333", "3331111111", "3334444444"};
        QTest::newRow("name and town combine") << QStringList{"txtCliente", "txtComuneRes"}
                                               << QStringList{"anna", "ROMA"} << QStringList{"3333333333"};
        QTest::newRow("pending issue")
            << QStringList{"txtQuestioni"} << QStringList{"fattura"} << QStringList{"3333333333"};
        QTest::newRow("trailing blank at the end of the field")
            << QStringList{"txtCliente"} << QStringList{"Mario "} << QStringList{};
        QTest::newRow("tax code and zone") << QStringList{"txtCodFisc", "txtZona"}
                                           << QStringList{"rssmra", "nord"} << QStringList{"3331111111"};
        QTest::newRow("nothing matches") << QStringList{"txtNote"} << QStringList{"Verdi"} << QStringList{};
    }
    void criteria() {
        QFETCH(QStringList, controls);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);
        QStringList mobiles;
        withSearch(QStringLiteral("clienti"), [&](TfrmTrovaClienti *s) {
            for (int i = 0; i < controls.size(); ++i)
                s->criterion(controls[i].toLatin1().constData())->setText(typed[i]);
            s->btnCerca->click();
            RecordListModel *model = s->list->lstRecords->listModel();
            for (int row = 0; row < model->count(); ++row) {
                Record r(Archives::clients());
                QVERIFY(model->readRecord(row, ProgramFolder::file(kFile), r));
                mobiles << r.get("TelCel");
            }
        });
        QCOMPARE(mobiles, expected);
    }

    void enterWalksTheTenCriteriaInOrder() {
        withSearch(QStringLiteral("clienti"), [&](TfrmTrovaClienti *s) {
            const QStringList order = {"txtCliente",   "txtComuneRes",   "txtPartitaIva", "txtCodFisc",
                                       "txtDocumento", "txtOccupazione", "txtProdotti",   "txtZona",
                                       "txtQuestioni", "txtNote"};
            QCOMPARE(s->focusWidget(), s->criteria.first());
            for (int i = 0; i < 10; ++i) {
                QCOMPARE(s->criteria[i]->objectName(), order[i]);
                QTest::keyClick(s->criteria[i], Qt::Key_Return);
                QCOMPARE(s->focusWidget(), s->criteria[(i + 1) % 10]);
            }
        });
    }

    void twinLinesHandBackTheRecordClicked() {
        QList<qint64> numbers;
        for (int row : {2, 3}) {
            QList<QPair<QString, qint64>> handed;
            qint64 number = 0;
            withSearch(
                QStringLiteral("contratto"),
                [&](TfrmTrovaClienti *s) {
                    s->btnCerca->click();
                    QCOMPARE(listed(s)[2], listed(s)[3]);
                    number = s->list->lstRecords->listModel()->recordNumber(row);
                    s->loadLine(row);
                    QVERIFY(!s->isVisible());
                },
                &handed);
            QCOMPARE(handed.size(), 1);
            QCOMPARE(handed[0].second, number);
            QCOMPARE(handed[0].first,
                     number == 4 ? QStringLiteral("3334444444") : QStringLiteral("3331111111"));
            numbers << number;
        }
        std::sort(numbers.begin(), numbers.end());
        QCOMPARE(numbers, (QList<qint64>{1, 4}));
    }

    // The appointment card's import: exactly five fields change.
    void importIntoTheAppointmentCard() {
        TfrmArchivio_Scadenze *card = Tersalia::createScreens().scadenze;
        card->openModule();
        folder->write(QStringLiteral("Archivio_Appuntamenti.pro"), QByteArray());
        card->txtData->setText(QStringLiteral("05/03/2024"));
        card->txtAvviso->setText(QStringLiteral("3"));
        card->txtTipologia->setText(QStringLiteral("Giulia"));
        card->txtCausale->setText(QStringLiteral("Vetrate"));
        card->txtDettagli->setText(QStringLiteral("scala B"));
        card->txtContatto->setText(QStringLiteral("vecchio nome"));
        card->txtTel->setText(QStringLiteral("000"));
        card->txtEmail->setText(QStringLiteral("vecchia@mail.it"));
        card->txtImporto->setText(QStringLiteral("80,00"));
        card->txtNote->setText(QStringLiteral("nota"));
        card->card()->setPosition(7);
        Record before(Archives::appointments());
        card->card()->collect(before);

        QVERIFY(card->impContatto->isEnabled());
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaClienti *>(w);
            QVERIFY(s);
            QCOMPARE(s->lblMemory->text(), QStringLiteral("scadenze"));
            s->criterion("txtNote")->setText(QStringLiteral("storico"));
            s->btnCerca->click();
            RecordListModel *model = s->list->lstRecords->listModel();
            QCOMPARE(model->count(), 2);
            s->loadLine(model->recordNumber(0) == 1 ? 0 : 1);
            ran = true;
        });
        card->impContatto->click();
        QVERIFY(ran);

        Record after(Archives::appointments());
        card->card()->collect(after);
        const QMap<QString, QString> imported = {{"Contatto", "Rossi Mario"},
                                                 {"Tel", "061234567"},
                                                 {"Cel", "3331111111"},
                                                 {"Email", "mario@rossi.it"},
                                                 {"Luogo", "Bonifico a 30 giorni"}};
        for (int i = 0; i < after.layout().fieldCount(); ++i) {
            const QString name = QString::fromLatin1(after.layout().field(i).name);
            QCOMPARE(after.get(i), imported.value(name, before.get(i)));
        }
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("7"));
        Tersalia::destroyScreens();
    }
};

QTEST_MAIN(TstTrovaClienti)
#include "tst_trovaclienti.moc"
