// The search pattern, driven through the appointment search opened from the card.
#include "../appointments/AppointmentFixture.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"
#include "appointments/summaries/TrovaScadenze.h"
#include "shell/Application.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");

const QList<Appointment> kArchive = {
    {"05/03/2024", "09:30", "Pulizia uffici", "Mario Rossi", "3331111111", "100,00", "No"},
    {"06/03/2024", "10:00", "Vetrate", "Anna Bianchi", "3332222222", "80,00", "No", "0", "scala B"},
    {"07/03/2024", "08:15", "Pulizia scale", "ROSSI LUCA", "3333333333", "50,00", "Sì"},
    // Same line as the first record: only fields outside the line differ.
    {"05/03/2024", "09:30", "Pulizia uffici", "Mario Rossi", "3331111111", "100,00", "No", "3", "doppione"},
};
} // namespace

class TstTrovaScadenze : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    TfrmArchivio_Scadenze *card = nullptr;

    // Opens the search from the card, runs steps on it, and closes it if still open.
    void withSearch(const std::function<void(TfrmTrovaScadenze *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaScadenze *>(w);
            QVERIFY(search);
            steps(search);
            ran = true;
            if (search->isVisible())
                search->close();
        });
        card->cmdTrova->click();
        QVERIFY(ran);
    }

    static QStringList listed(TfrmTrovaScadenze *s) { return s->list->lstRecords->listModel()->lines(); }

private slots:
    void init() {
        folder = new TempProgramFolder;
        folder->write(kFile, appointmentArchive(kArchive));
        messages = new ScriptedMessages;
        card = Tersalia::createScreens().scadenze;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete messages;
        delete folder;
    }

    void emptyCriteriaListTheWholeArchiveInFileOrder() {
        withSearch([&](TfrmTrovaScadenze *s) {
            QCOMPARE(s->lblMemory->text(), QStringLiteral("scadenze"));
            QVERIFY(s->panAvvio->isVisible());
            QVERIFY(!s->panContainer->isVisible());
            s->btnCerca->click();
            QVERIFY(s->panContainer->isVisible());
            const QStringList lines = listed(s);
            QCOMPARE(lines.size(), 4);
            QVERIFY(lines[0].startsWith(QStringLiteral("Data: 05/03/2024  Ora: 09:30  Pulizia uffici")));
            QVERIFY(lines[1].contains(QStringLiteral("Anna Bianchi")));
            QVERIFY(lines[2].contains(QStringLiteral("ROSSI LUCA")));
            QVERIFY(lines[0].endsWith(QStringLiteral("  Importo: € 100,00")));
            QCOMPARE(s->list->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 4 schede."));
        });
    }

    void criteria_data() {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("expected"); // client names listed
        QTest::newRow("name, any case") << QStringList{"txtContatto"} << QStringList{"rossi"}
                                        << QStringList{"Mario Rossi", "ROSSI LUCA", "Mario Rossi"};
        QTest::newRow("two criteria combine") << QStringList{"txtContatto", "txtCausale"}
                                              << QStringList{"ROSS", "scale"} << QStringList{"ROSSI LUCA"};
        QTest::newRow("leading blank must occur") << QStringList{"txtContatto"} << QStringList{" rossi"}
                                                  << QStringList{"Mario Rossi", "Mario Rossi"};
        QTest::newRow("trailing blank at field end")
            << QStringList{"txtContatto"} << QStringList{"Rossi "} << QStringList{"ROSSI LUCA"};
        QTest::newRow("pasted line break is a blank")
            << QStringList{"txtContatto"} << QStringList{"Rossi\n"} << QStringList{"ROSSI LUCA"};
        QTest::newRow("blank-only criterion is ignored")
            << QStringList{"txtContatto", "txtNote"} << QStringList{"Verdi", " "} << QStringList{};
        QTest::newRow("blank-only criterion alone")
            << QStringList{"txtNote"} << QStringList{"   "}
            << QStringList{"Mario Rossi", "Anna Bianchi", "ROSSI LUCA", "Mario Rossi"};
    }
    void criteria() {
        QFETCH(QStringList, controls);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);
        withSearch([&](TfrmTrovaScadenze *s) {
            for (int i = 0; i < controls.size(); ++i)
                s->criterion(controls[i].toLatin1().constData())->setText(typed[i]);
            s->btnCerca->click();
            QStringList names;
            for (const QString &line : listed(s))
                names << line.mid(line.indexOf(QStringLiteral("Cliente: ")) + 9, 30).trimmed();
            QCOMPARE(names, expected);
        });
    }

    void enterWalksTheTenCriteria() {
        withSearch([&](TfrmTrovaScadenze *s) {
            QCOMPARE(s->focusWidget(), s->criteria.first());
            for (int i = 0; i < 10; ++i) {
                QTest::keyClick(s->criteria[i], Qt::Key_Return);
                QCOMPARE(s->focusWidget(), s->criteria[(i + 1) % 10]);
            }
        });
    }

    void doubleClickLoadsTheVeryRecordClicked() {
        withSearch([&](TfrmTrovaScadenze *s) {
            s->btnCerca->click();
            QCOMPARE(listed(s)[0], listed(s)[3]);
            s->loadLine(0); // the first of two equal lines
            QVERIFY(!s->isVisible());
        });
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(card->findChild<QLineEdit *>(QStringLiteral("txtNote"))->text(), QString());
        QCOMPARE(card->lblOra->text(), QStringLiteral("09:30"));

        // Ticking "Impegno assolto" and saving updates record 1, not its twin.
        const QByteArray before = folder->read(kFile);
        card->findChild<QCheckBox *>(QStringLiteral("chkOttemperata"))->setChecked(true);
        card->cmdSalva->click();
        const QByteArray after = folder->read(kFile);
        QCOMPARE(after.size(), before.size());
        Record first(Archives::appointments()), twin(Archives::appointments());
        first.bytes() = after.left(1265);
        twin.bytes() = after.mid(3 * 1265);
        QCOMPARE(first.get("Ottemperata"), QStringLiteral("Sì"));
        QCOMPARE(twin.get("Ottemperata"), QStringLiteral("No"));
        QCOMPARE(after.mid(1265), before.mid(1265));
    }

    void doubleClickOnTheSecondTwinLoadsIt() {
        withSearch([&](TfrmTrovaScadenze *s) {
            s->btnCerca->click();
            s->list->lstRecords->selectRow(3);
            QTest::qWait(20); // let the results panel lay out
            const QRect r = s->list->lstRecords->visualRect(s->list->lstRecords->listModel()->index(3, 0));
            // An item view takes a double click only after the press of the first click.
            QTest::mousePress(s->list->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(s->list->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
        });
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("4"));
        QCOMPARE(card->findChild<QLineEdit *>(QStringLiteral("txtNote"))->text(), QStringLiteral("doppione"));
    }

    void quickFindInTheResults() {
        withSearch([&](TfrmTrovaScadenze *s) {
            s->btnCerca->click();
            QTest::keyClicks(s->list->txtTrova, QStringLiteral("ROSSI"));
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 0);
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 2);
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 3);
            s->list->btnTrova->click();
            QCOMPARE(s->list->lstRecords->currentRow(), 0);
        });
    }

    void unreadableArchiveKeepsTheCriteria() {
        QFile::remove(folder->file(kFile));
        QDir(folder->path()).mkdir(kFile);
        withSearch([&](TfrmTrovaScadenze *s) {
            s->criteria.first()->setText(QStringLiteral("05/03"));
            s->btnCerca->click();
            QCOMPARE(messages->lastText(),
                     QStringLiteral(
                         "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi "
                         "di possedere i privilegi di scrittura nella cartella di installazione del "
                         "programma."));
            QCOMPARE(messages->shown.last().kind, MessageKind::Plain);
            QVERIFY(s->panAvvio->isVisible());
            QCOMPARE(s->criteria.first()->text(), QStringLiteral("05/03"));
        });
    }

    void recordGoneBeforeTheDoubleClickClosesSilently() {
        withSearch([&](TfrmTrovaScadenze *s) {
            s->btnCerca->click();
            folder->write(kFile, appointmentBytes(kArchive[0]));
            s->loadLine(2);
            QVERIFY(!s->isVisible());
        });
        QCOMPARE(card->lblPosizione->text(), QString());
        QVERIFY(messages->shown.isEmpty());
    }
};

QTEST_MAIN(TstTrovaScadenze)
#include "tst_trovascadenze.moc"
