// The work register, opened from a stored employee card: the list of the
// work file named after the tax code, add and change with their date and
// hours rules, the very line chosen being the one changed, and the print.
#include "EmployeeFixture.h"
#include "PdfText.h"
#include "ScriptedPrinter.h"
#include "TestEnv.h"
#include "core/platform/Clock.h"
#include "employees/card/Dipendenti.h"
#include "employees/register/Lavori_Svolti.h"
#include "shell/Application.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QString kCode = QStringLiteral("RSSMRA80A01H501U");

const QList<Activity> kWork = {
    {"05/03/2024", "Pulizia uffici", "Via Roma 1", "8-12", "4"},
    {"", "Senza data", "Magazzino", "9-10", "1"}, // never listed
    {"06/03/2024", "Vetrate", "Condominio Aurora", "14-17", "3"},
    // Same line as the first activity.
    {"05/03/2024", "Pulizia uffici", "Via Roma 1", "8-12", "4"},
};
} // namespace

class TstLavoriSvolti : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;
    TfrmDipendenti *card = nullptr;

    TempProgramFolder &folder() { return seams->folder; }
    void writeWork(const QString &code, const QList<Activity> &work) {
        QDir().mkpath(folder().file("Archivio_Lavori"));
        folder().write(workFileName(code), workFile(work));
    }
    // Shows the stored employee, opens the register and runs steps on it.
    void withRegister(const std::function<void(TfrmLavori_Svolti *)> &steps, const QString &code = kCode) {
        folder().write("Archivio_Dipendenti.pro", employee("Rossi Mario", code));
        card->cmdPrimo->click();
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *r = qobject_cast<TfrmLavori_Svolti *>(w);
            QVERIFY(r);
            steps(r);
            ran = true;
            if (r->isVisible())
                r->close();
        });
        card->btnLavori->click();
        QVERIFY(ran);
    }
    static QStringList listed(TfrmLavori_Svolti *r) { return r->list->lstRecords->listModel()->lines(); }
    static void fill(TfrmLavori_Svolti *r, const Activity &a) {
        r->txtData->setText(a.data);
        r->txtAttivita->setText(a.attivita);
        r->txtLuogo->setText(a.luogo);
        r->txtOrario->setText(a.orario);
        r->txtTotOre->setText(a.totOre);
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        card = Tersalia::createScreens().dipendenti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete seams;
    }

    void listsTheDatedActivitiesOfTheTaxCodeInFileOrder() {
        writeWork(kCode, kWork);
        writeWork("ALTRO", {{"01/01/2024", "Altro dipendente", "X", "Y", "1"}});
        withRegister([&](TfrmLavori_Svolti *r) {
            QCOMPARE(r->windowTitle(), QStringLiteral(" Registro prestazioni lavorative del dipendente"));
            QCOMPARE(r->lblTitolo->text(), QStringLiteral("Registro prestazioni lavorative di Rossi Mario"));
            QVERIFY(r->panContainer->isVisible());
            QVERIFY(!r->panCosti->isVisible());
            QCOMPARE(r->lblFile->text(), folder().file(workFileName(kCode)));
            const QStringList lines = listed(r);
            QCOMPARE(lines.size(), 3);
            QCOMPARE(r->lblTotale->text(), QStringLiteral("3"));
            QCOMPARE(lines[0], QStringLiteral("Pulizia uffici") + QString(32, ' ') +
                                   QStringLiteral("   Data: 05/03/2024  Luogo: Via Roma 1") +
                                   QString(18, ' ') + QStringLiteral("  Orario: 8-12") + QString(22, ' ') +
                                   QStringLiteral("  Tot. ore: 4"));
            QVERIFY(lines[1].startsWith(QStringLiteral("Vetrate ")));
            QCOMPARE(lines[2], lines[0]);
            QCOMPARE(r->list->lstRecords->currentRow(), -1);
        });
    }

    void aTaxCodeWithoutWorkFileOpensEmptyAndLeavesAnEmptyFile() {
        withRegister([&](TfrmLavori_Svolti *r) {
            QVERIFY(listed(r).isEmpty());
            QCOMPARE(r->lblTotale->text(), QStringLiteral("0"));
            r->btnModifica->click();
            QCOMPARE(seams->messages.lastText(),
                     QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
            r->list->btnTrova->click();
            QCOMPARE(seams->messages.shown.last().kind, MessageKind::Plain);
        });
        QVERIFY(QFile::exists(folder().file(workFileName(kCode))));
        QCOMPARE(QFileInfo(folder().file(workFileName(kCode))).size(), 0);
    }

    void addedActivitiesAreAppendedByteForByte() {
        const QList<Activity> three = {{"04/03/2024", "Pulizia uffici", "Via Roma 1", "8-12", "4"},
                                       {"05/03/2024", "Sanificazione", "Scuola Verdi", "13-21", "8"},
                                       {"06/03/2024", "Vetrate", "Condominio Aurora", "14-17", "3"}};
        // Nothing leads back from the edit panel to the list: one opening per activity.
        for (const Activity &a : three) {
            withRegister([&](TfrmLavori_Svolti *r) {
                r->btnAggiungi->click();
                QVERIFY(r->panCosti->isVisible());
                QVERIFY(!r->panContainer->isVisible());
                QCOMPARE(r->focusWidget(), r->txtData);
                QVERIFY(r->lblPosizione->text().isEmpty());
                fill(r, a);
                r->btnSalva->click();
                QCOMPARE(seams->messages.lastText(),
                         QStringLiteral("La scheda corrente è stata inserita in archivio."));
            });
        }
        withRegister([&](TfrmLavori_Svolti *r) {
            QCOMPARE(r->lblTotale->text(), QStringLiteral("3"));
            r->list->lstRecords->selectRow(2);
            r->btnModifica->click();
            QCOMPARE(r->lblPosizione->text(), QStringLiteral("3"));
            // Salva twice rewrites the same activity.
            r->txtTotOre->setText(QStringLiteral("5"));
            r->btnSalva->click();
            r->btnSalva->click();
            QCOMPARE(r->lblPosizione->text(), QStringLiteral("3"));
            QCOMPARE(seams->messages.lastText(),
                     QStringLiteral(
                         "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        });
        QList<Activity> expected = three;
        expected[2].totOre = QStringLiteral("5");
        QCOMPARE(folder().read(workFileName(kCode)), workFile(expected));
    }

    void dateRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("complete date") << "05/03/2024" << true;
        QTest::newRow("leap day") << "29/02/2024" << true;
        QTest::newRow("last of december") << "31/12/2023" << true;
        QTest::newRow("31 February") << "31/02/2024" << false;
        QTest::newRow("29 February, common year") << "29/02/2023" << false;
        QTest::newRow("month 13") << "01/13/2024" << false;
        QTest::newRow("ISO form") << "2024-03-01" << false;
        QTest::newRow("words") << "ieri" << false;
    }
    void dateRules() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        withRegister([&](TfrmLavori_Svolti *r) {
            r->btnAggiungi->click();
            fill(r, {typed, "Pulizia", "Via Roma", "8-12", "4"});
            r->btnSalva->click();
            if (accepted) {
                QCOMPARE(seams->messages.lastText(),
                         QStringLiteral("La scheda corrente è stata inserita in archivio."));
            } else {
                QCOMPARE(seams->messages.shown.last().kind, MessageKind::Plain);
                QCOMPARE(
                    seams->messages.lastText(),
                    QStringLiteral("Attenzione: la data ") + typed +
                        QStringLiteral(" non è riconosciuta.\n\r\n\rPer poter salvare la scheda è necessario "
                                       "indicare una data valida nel formato gg/mm/aaaa."));
                QCOMPARE(r->focusWidget(), r->txtData);
            }
        });
        QCOMPARE(folder().read(workFileName(kCode)).size(), accepted ? 149 : 0);
    }

    void requiredFieldsInOrder_data() {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("warning");
        const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("date") << 0 << need + "la data in cui la prestazione è stata svolta.";
        QTest::newRow("activity") << 1 << need + "la tipologia di prestazione svolta.";
        QTest::newRow("place") << 2 << need + "il luogo in cui la prestazione è stata svolta.";
        QTest::newRow("time") << 3 << need + "l'orario in cui la prestazione è stata svolta.";
        QTest::newRow("hours") << 4 << need + "la durata totale in ore della prestazione svolta.";
    }
    void requiredFieldsInOrder() {
        QFETCH(int, blank);
        QFETCH(QString, warning);
        withRegister([&](TfrmLavori_Svolti *r) {
            r->btnAggiungi->click();
            fill(r, {"05/03/2024", "Pulizia", "Via Roma", "8-12", "4"});
            const QList<QLineEdit *> edits = {r->txtData, r->txtAttivita, r->txtLuogo, r->txtOrario,
                                              r->txtTotOre};
            for (int i = blank; i < edits.size(); ++i)
                edits[i]->setText(QStringLiteral("  "));
            r->btnSalva->click();
            QCOMPARE(seams->messages.shown.size(), 1);
            QCOMPARE(seams->messages.shown.last().kind, MessageKind::Warning);
            QCOMPARE(seams->messages.lastText(), warning);
            QCOMPARE(r->focusWidget(), edits[blank]);
        });
        QCOMPARE(folder().read(workFileName(kCode)).size(), 0);
    }

    void hoursTakeThreeDigitsOnlyAndEnterWraps() {
        withRegister([&](TfrmLavori_Svolti *r) {
            r->btnAggiungi->click();
            r->txtTotOre->setFocus();
            QTest::keyClicks(r->txtTotOre, QStringLiteral("1a 2,-34"));
            QCOMPARE(r->txtTotOre->text(), QStringLiteral("123"));
            QTest::keyClick(r->txtTotOre, Qt::Key_Backspace);
            QCOMPARE(r->txtTotOre->text(), QStringLiteral("12"));
            QTest::keyClick(r->txtTotOre, Qt::Key_Return);
            QCOMPARE(r->focusWidget(), r->txtData);
            QTest::keyClick(r->txtData, Qt::Key_Return);
            QCOMPARE(r->focusWidget(), r->txtAttivita);
            Clock::setFixed(QDateTime(QDate(2024, 3, 7), QTime(9, 0)));
            r->impOggi->click();
            Clock::setFixed({});
            QCOMPARE(r->txtData->text(), QStringLiteral("07/03/2024"));
        });
    }

    void changeEditsTheVeryLineSelected_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("record");
        QTest::newRow("first of two equal lines") << 0 << 1;
        QTest::newRow("a line after the undated record") << 1 << 3;
        QTest::newRow("second of two equal lines") << 2 << 4;
    }
    void changeEditsTheVeryLineSelected() {
        QFETCH(int, row);
        QFETCH(int, record);
        writeWork(kCode, kWork);
        withRegister([&](TfrmLavori_Svolti *r) {
            r->btnModifica->click();
            QCOMPARE(seams->messages.lastText(),
                     QStringLiteral("Attenzione: selezionare una voce dall'elenco prima "
                                    "di premere il pulsante di modifica."));
            r->list->lstRecords->selectRow(row);
            r->btnModifica->click();
            QVERIFY(r->panCosti->isVisible());
            QCOMPARE(r->lblPosizione->text(), QString::number(record));
            QCOMPARE(r->txtAttivita->text(), kWork[record - 1].attivita);
            r->txtTotOre->setText(QStringLiteral("9"));
            r->btnSalva->click();
            QCOMPARE(seams->messages.lastText(),
                     QStringLiteral(
                         "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        });
        QList<Activity> expected = kWork;
        expected[record - 1].totOre = QStringLiteral("9");
        QCOMPARE(folder().read(workFileName(kCode)), workFile(expected));
    }

    void printListsTheLinesAndTheCount() {
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils not installed");
        writeWork(kCode, kWork);
        ScriptedPrinter printer;
        printer.outputFile = folder().file("registro.pdf");
        withRegister([&](TfrmLavori_Svolti *r) { r->list->btnStampa->click(); });
        QCOMPARE(printer.calls, 1);
        QCOMPARE(printer.docName, QStringLiteral("Registro prestazioni lavorative di Rossi Mario"));
        const QString text = PdfText(printer.outputFile).allText();
        QVERIFY(text.contains(QStringLiteral("Registro prestazioni lavorative di Rossi Mario")));
        QVERIFY(text.contains(QStringLiteral("Condominio Aurora")));
        QVERIFY(text.contains(QStringLiteral("TOTALE PRESTAZIONI: 3")) ||
                text.contains(QStringLiteral("TOTALE PRESTAZIONI:    3")));
        QVERIFY(!text.contains(QStringLiteral("Senza data")));
    }
};

QTEST_MAIN(TstLavoriSvolti)
#include "tst_lavori_svolti.moc"
