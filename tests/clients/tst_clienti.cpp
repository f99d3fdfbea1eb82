// The client card: the record bytes of Contatti.pro, the required fields,
// Salva with the focus still in an edit, Duplica, the key rules, the Enter
// and tab orders, the client search, the attachments and the check buttons.
#include "ClientFixture.h"
#include "TestEnv.h"
#include "clients/Clienti.h"
#include "clients/TrovaClienti.h"
#include "core/platform/OpenURL.h"
#include "core/text/Provinces.h"
#include "core/text/TextRules.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/CardScreen.h"
#include "ui/windows/Guida.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"
#include "validators/Carta.h"
#include "validators/CodFisc.h"
#include "validators/Iban.h"
#include "validators/PartitaIVA.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

namespace {
const QString kFile = QStringLiteral("Contatti.pro");
const int kSize = 3372;

// A short string field written by hand: length byte, Windows-1252 text, zeros.
void put(QByteArray &record, int offset, const QByteArray &cp1252) {
    record[offset] = char(cp1252.size());
    record.replace(offset + 1, cp1252.size(), cp1252);
}
} // namespace

class TstClienti : public QObject {
    Q_OBJECT
    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    RecordingShell *shell = nullptr;
    TfrmClienti *card = nullptr;

    QLineEdit *field(const char *name) { return card->findChild<QLineEdit *>(QLatin1String(name)); }
    void fillRequired() {
        card->txtCliente->setText(QStringLiteral("Rossi Mario"));
        card->txtTelCel->setText(QStringLiteral("3331234567"));
        card->txtCodFisc->setText(QStringLiteral("RSSMRA80A01H501U"));
    }
    QByteArray recordAt(int n) const { return folder->read(kFile).mid((n - 1) * kSize, kSize); }

private slots:
    void init() {
        folder = new TempProgramFolder;
        messages = new ScriptedMessages;
        shell = new RecordingShell;
        card = Tersalia::createScreens().clienti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete shell;
        delete messages;
        delete folder;
    }

    void mainMenuOpensANewCard() {
        card->close();
        card->txtCliente->setText(QStringLiteral("resto"));
        card->card()->setPosition(3);
        TfrmAvvio *menu = Tersalia::screens().avvio;
        QVERIFY(menu->moduleButton(3)->isEnabled());
        menu->moduleButton(3)->click();
        QVERIFY(card->isVisible());
        QCOMPARE(card->windowTitle(), QStringLiteral(" Tersalia - Clienti e Servizi"));
        QCOMPARE(card->txtCliente->text(), QString());
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QCOMPARE(card->focusWidget(), card->txtCliente);
    }

    // Every field at the offset the record table gives, written by hand.
    void recordBytesAsTheTableGivesThem() {
        const struct {
            const char *control;
            int offset;
            const char *value;
        } fields[] = {
            {"txtCliente", 0, "Ditta Pulita S.r.l."},
            {"txtDataNasc", 51, "1 gennaio 1980"},
            {"txtComuneNasc", 82, "Forlì"},
            {"txtSesso", 136, "M"},
            {"txtRecapito", 138, "06 1234567"},
            {"txtIndirizzoRes", 189, "Via Roma 1"},
            {"txtComuneRes", 243, "Cesena"},
            {"txtCapRes", 294, "47521"},
            {"txtEstremi", 300, "Bonifico"},
            {"txtTelCasa", 551, "0547 11"},
            {"txtTelUff", 582, "0547 22"},
            {"txtTelCel", 613, "3331234567"},
            {"txtFax", 644, "ditta@pec.it"},
            {"txtEmail", 675, "info@ditta.it"},
            {"txtCodFisc", 726, "RSSMRA80A01H501U"},
            {"txtCarta", 743, "4111111111111111"},
            {"txtScadeCarta", 774, "12/27"},
            {"txtPartitaIva", 805, "12345678903"},
            {"txtIban", 817, "IT60X0542811101000000123456"},
            {"txtDocumento", 845, "C.I. AB123"},
            {"txtOccupazione", 966, "Commerciante"},
            {"txtCivile", 1017, "Coniugato"},
            {"txtTitoli", 1068, "Ragioniere"},
            {"txtProdotti", 1189, "Vetrate – € 10"},
            {"txtZona", 1310, "Centro"},
            {"txtQuestioni", 1361, "Fattura"},
            {"txtNote", 1612, "  nota con blank  "},
        };
        QByteArray expected(kSize, '\0');
        for (const auto &f : fields) {
            field(f.control)->setText(QString::fromUtf8(f.value));
            put(expected, f.offset, Text::toCp1252(Text::trim(QString::fromUtf8(f.value))));
        }
        card->txtProvNasc->setEditText(QStringLiteral("FC"));
        put(expected, 133, "FC");
        card->txtProvRes->setEditText(QStringLiteral("FC"));
        put(expected, 240, "FC");
        card->chkRicontatta->setChecked(true);
        put(expected, 1863, QByteArray("\x53\xEC"));
        const char *labels[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};
        for (int i = 0; i < 6; ++i) {
            card->findChild<QLabel *>(QLatin1String(labels[i]))->setText(QStringLiteral("a%1").arg(i));
            put(expected, 1866 + 251 * i, QByteArray("a") + QByteArray::number(i));
        }
        card->cmdSalva->click();
        QCOMPARE(messages->lastText(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(folder->read(kFile), expected);
        QCOMPARE(expected.mid(1863, 3), QByteArray("\x02\x53\xEC"));

        // Saving again updates record 1; the flag cleared is "No".
        card->chkRicontatta->setChecked(false);
        card->cmdSalva->click();
        QCOMPARE(
            messages->lastText(),
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QByteArray after = folder->read(kFile);
        QCOMPARE(after.size(), kSize);
        QCOMPARE(after.mid(1863, 3), QByteArray("\x02\x4E\x6F"));
        QCOMPARE(after.left(1863), expected.left(1863));
        QCOMPARE(after.mid(1866), expected.mid(1866));
    }

    void loadedFlag_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("Sì ticks") << QStringLiteral("Sì") << false << true;
        QTest::newRow("No clears") << QStringLiteral("No") << true << false;
        QTest::newRow("empty leaves it ticked") << QString() << true << true;
        QTest::newRow("empty leaves it clear") << QString() << false << false;
        QTest::newRow("SI leaves it clear") << QStringLiteral("SI") << false << false;
    }
    void loadedFlag() {
        QFETCH(QString, stored);
        QFETCH(bool, before);
        QFETCH(bool, after);
        folder->write(kFile, clientRecord({{"Cliente", "Verdi"}, {"Ricontatta", stored}}));
        card->chkRicontatta->setChecked(before);
        card->cmdPrimo->click();
        QCOMPARE(card->txtCliente->text(), QStringLiteral("Verdi"));
        QCOMPARE(card->chkRicontatta->isChecked(), after);
    }

    void requiredFieldsInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("taxCode");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focused");
        const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "" << need + "il nome del cliente."
                                 << "txtCliente";
        QTest::newRow("blank name") << "   "
                                    << "333"
                                    << "ABC" << need + "il nome del cliente."
                                    << "txtCliente";
        QTest::newRow("no mobile") << "Rossi"
                                   << ""
                                   << "" << need + "il numero di cellulare del cliente."
                                   << "txtTelCel";
        QTest::newRow("no tax code") << "Rossi"
                                     << "333"
                                     << " " << need + "il codice fiscale del cliente."
                                     << "txtCodFisc";
    }
    void requiredFieldsInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, mobile);
        QFETCH(QString, taxCode);
        QFETCH(QString, warning);
        QFETCH(QString, focused);
        card->activateWindow();
        card->txtCliente->setText(name);
        card->txtTelCel->setText(mobile);
        card->txtCodFisc->setText(taxCode);
        card->cmdSalva->click();
        QCOMPARE(messages->shown.size(), 1);
        QCOMPARE(messages->shown[0].kind, MessageKind::Warning);
        QCOMPARE(messages->shown[0].text, warning);
        QCOMPARE(card->focusWidget()->objectName(), focused);
        QVERIFY(!QFile::exists(folder->file(kFile)));
    }

    void saveReadsTheEditThatStillHasTheFocus() {
        card->activateWindow();
        fillRequired();
        card->txtNote->setFocus();
        QTest::keyClicks(card->txtNote, QStringLiteral("ancora qui"));
        card->cmdSalva->click();
        Record saved(Archives::clients());
        saved.bytes() = recordAt(1);
        QCOMPARE(saved.get("Note"), QStringLiteral("ancora qui"));
        QCOMPARE(card->focusWidget(), card->txtNote);
    }

    void duplicateThenSaveAppendsWithoutAttachments() {
        const QByteArray source = clientRecord({{"Cliente", "Rossi Mario"},
                                                {"TelCel", "333"},
                                                {"CodFisc", "RSSMRA80A01H501U"},
                                                {"Ricontatta", "Sì"},
                                                {"File01", "ci.pdf"},
                                                {"File03", "contratto.pdf"},
                                                {"Desc01", "Carta d'identità"},
                                                {"Desc03", "Contratto"}});
        folder->write(kFile, source);
        card->cmdDuplica->click();
        QCOMPARE(messages->lastText(),
                 QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                "soltanto dopo che questa è stata inserita in archivio."));
        card->cmdPrimo->click();
        QCOMPARE(card->lblFile01->text(), QStringLiteral("ci.pdf"));
        card->cmdDuplica->click();
        QCOMPARE(
            messages->lastText(),
            QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                           "termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(card->lblPosizione->text(), QString());
        for (QLabel *l : {card->lblFile01, card->lblFile02, card->lblFile03, card->lblDesc01, card->lblDesc02,
                          card->lblDesc03})
            QCOMPARE(l->text(), QString());
        QVERIFY(card->chkRicontatta->isChecked());
        QCOMPARE(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
        card->txtCliente->setText(QStringLiteral("Rossi Anna"));
        card->cmdSalva->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(recordAt(1), source);
        QCOMPARE(recordAt(2), clientRecord({{"Cliente", "Rossi Anna"},
                                            {"TelCel", "333"},
                                            {"CodFisc", "RSSMRA80A01H501U"},
                                            {"Ricontatta", "Sì"}}));
    }

    void keyRules_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mobile digits only") << "txtTelCel"
                                            << "3a3-3 +9"
                                            << "3339";
        QTest::newRow("card digits only") << "txtCarta"
                                          << "4111 x1"
                                          << "41111";
        QTest::newRow("VAT digits only") << "txtPartitaIva"
                                         << "IT0123"
                                         << "0123";
        QTest::newRow("tax code upper, trimmed") << "txtCodFisc"
                                                 << " rssmra "
                                                 << "RSSMRA";
        QTest::newRow("IBAN upper, trimmed") << "txtIban"
                                             << " it60x "
                                             << "IT60X";
        QTest::newRow("sex upper") << "txtSesso"
                                   << "f"
                                   << "F";
        QTest::newRow("postcode upper") << "txtCapRes"
                                        << "ab1"
                                        << "AB1";
        QTest::newRow("e-mail trimmed") << "txtEmail"
                                        << " a@b.it "
                                        << "a@b.it";
        QTest::newRow("PEC trimmed") << "txtFax"
                                     << " p@pec.it "
                                     << "p@pec.it";
        QTest::newRow("cut to width") << "txtSesso"
                                      << "mf"
                                      << "M";
    }
    void keyRules() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit *e = field(control.toLatin1().constData());
        e->setFocus();
        QTest::keyClicks(e, typed);
        QCOMPARE(e->text(), shown);
    }

    void digitFieldsKeepEditingKeys() {
        QTest::keyClicks(card->txtTelCel, QStringLiteral("1234"));
        QTest::keyClick(card->txtTelCel, Qt::Key_Left);
        QTest::keyClick(card->txtTelCel, Qt::Key_Backspace);
        QTest::keyClick(card->txtTelCel, Qt::Key_Home);
        QTest::keyClick(card->txtTelCel, Qt::Key_Delete);
        // Home did not move the cursor: Delete took the "4" after it, not the "1".
        QCOMPARE(card->txtTelCel->text(), QStringLiteral("12"));
    }

    void provinceComboEdits() {
        const QStringList codes = Provinces::codes();
        QCOMPARE(codes.size(), 112);
        QCOMPARE(codes.first(), QStringLiteral("AG"));
        QCOMPARE(codes.last(), QStringLiteral("VV"));
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 112);
        for (QComboBox *c : {card->txtProvNasc, card->txtProvRes}) {
            QCOMPARE(c->count(), 112);
            QCOMPARE(c->itemText(86), QStringLiteral("RN"));
            QCOMPARE(c->lineEdit()->maxLength(), 2);
            c->setFocus();
            QTest::keyClicks(c, QStringLiteral(" r"));
            QTest::keyClicks(c, QStringLiteral("m"));
            QCOMPARE(c->currentText(), QStringLiteral("RM"));
        }
        card->txtProvRes->setEditText(QStringLiteral("XY")); // any text is kept
        fillRequired();
        card->cmdSalva->click();
        Record saved(Archives::clients());
        saved.bytes() = recordAt(1);
        QCOMPARE(saved.get("ProvRes"), QStringLiteral("XY"));
    }

    void enterAndTabOrders() {
        card->activateWindow();
        const QStringList order = {
            "txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
            "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
            "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
            "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
            "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
            "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote"};
        for (int i = 0; i < order.size(); ++i) {
            QWidget *w = card->findChild<QWidget *>(order[i]);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QCOMPARE(card->focusWidget()->objectName(), order[(i + 1) % order.size()]);
        }
        QCOMPARE(card->txtQuestioni->nextInFocusChain(), card->chkRicontatta);
        QCOMPARE(card->chkRicontatta->nextInFocusChain(), card->txtNote);
        QCOMPARE(card->txtCliente->maxLength(), 50);
        QCOMPARE(card->txtEstremi->maxLength(), 250);
        QCOMPARE(card->txtCapRes->maxLength(), 5);
        QCOMPARE(card->txtIban->maxLength(), 27);
    }

    void searchLoadsTheClickedClientIntoTheCard() {
        folder->write(kFile, clientRecord({{"Cliente", "Bianchi Anna"}, {"TelCel", "1"}, {"CodFisc", "A"}}) +
                                 clientRecord({{"Cliente", "Rossi Mario"},
                                               {"TelCel", "2"},
                                               {"CodFisc", "B"},
                                               {"ProvRes", "RM"},
                                               {"Ricontatta", "Sì"},
                                               {"File02", "doc.pdf"},
                                               {"Desc02", "Documento"}}));
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaClienti *>(w);
            QVERIFY(s);
            QCOMPARE(s->lblMemory->text(), QStringLiteral("clienti"));
            s->criterion("txtCliente")->setText(QStringLiteral("rossi"));
            s->btnCerca->click();
            QCOMPARE(s->list->lstRecords->listModel()->count(), 1);
            s->loadLine(0);
        });
        card->cmdTrova->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(card->txtProvRes->currentText(), QStringLiteral("RM"));
        QVERIFY(card->chkRicontatta->isChecked());
        QCOMPARE(card->lblFile02->text(), QStringLiteral("doc.pdf"));
        QCOMPARE(card->lblDesc02->text(), QStringLiteral("Documento"));
        card->txtNote->setText(QStringLiteral("aggiornata"));
        card->cmdSalva->click();
        QCOMPARE(folder->read(kFile).size(), 2 * kSize);
        Record saved(Archives::clients());
        saved.bytes() = recordAt(2);
        QCOMPARE(saved.get("Note"), QStringLiteral("aggiornata"));
        QCOMPARE(saved.get("File02"), QStringLiteral("doc.pdf"));
    }

    // The attachments reach the file only through Salva.
    void attachmentsApplyWithoutSaveLeavesTheRecord() {
        const QByteArray stored = clientRecord({{"Cliente", "Rossi"}, {"File01", "a.pdf"}, {"Desc01", "A"}});
        folder->write(kFile, stored);
        card->cmdPrimo->click();
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(s);
            QCOMPARE(s->lblMemory->text(), QStringLiteral("clienti"));
            QCOMPARE(s->txtFile01->text(), QStringLiteral("a.pdf"));
            QVERIFY(s->btnApri01->isEnabled());
            s->imgCancella01->click();
            s->txtDesc02->setText(QStringLiteral("B"));
            s->btnApplica->click();
        });
        card->cmdFile->click();
        QCOMPARE(card->lblFile01->text(), QString());
        QCOMPARE(card->lblDesc01->text(), QStringLiteral("A"));
        QCOMPARE(card->lblDesc02->text(), QStringLiteral("B"));
        card->cmdPrimo->click(); // leaves the card without Salva
        QCOMPARE(folder->read(kFile), stored);
        QCOMPARE(card->lblFile01->text(), QStringLiteral("a.pdf"));
    }

    void greekAttachmentOpensAfterSaving() {
        ScriptedFileDialogs dialogs;
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath(QStringLiteral("Συμβόλαιο καθαρισμού.pdf"));
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("contratto");
        f.close();
        dialogs.nextNames << source;
        fillRequired();
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(s);
            s->btnSfoglia01->click();
            s->txtDesc01->setText(QStringLiteral("Contratto in greco"));
            s->btnApplica->click();
        });
        card->cmdFile->click();
        card->cmdSalva->click();
        card->cmdNuovo->click();
        card->cmdPrimo->click();
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(s);
            s->btnApri01->click();
            s->btnAnnulla->click();
        });
        card->cmdFile->click();
        QCOMPARE(shell->commands.size(), 1);
        QFile opened(TMisc::urlFor(shell->commands[0]).toLocalFile());
        QVERIFY2(opened.open(QIODevice::ReadOnly), qPrintable(shell->commands[0]));
        QCOMPARE(opened.readAll(), QByteArray("contratto"));
    }

    void checkButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("screenField");
        QTest::newRow("tax code of a person") << "btnCodFisc"
                                              << "RSSMRA80A01H501U"
                                              << "TfrmCodFisc"
                                              << "txtCodFisc";
        QTest::newRow("empty tax code") << "btnCodFisc"
                                        << ""
                                        << "TfrmCodFisc"
                                        << "txtCodFisc";
        QTest::newRow("digits-only tax code") << "btnCodFisc"
                                              << "12345678903"
                                              << "TfrmPartitaIva"
                                              << "txtPartitaIva";
        QTest::newRow("VAT number") << "btnPartitaIva"
                                    << "12345678903"
                                    << "TfrmPartitaIva"
                                    << "txtPartitaIva";
        QTest::newRow("card number") << "btnCarta"
                                     << "4111111111111111"
                                     << "TfrmCarta"
                                     << "txtNumero";
        QTest::newRow("IBAN") << "btnIban"
                              << "IT60X0542811101000000123456"
                              << "TfrmIban"
                              << "txtIban";
    }
    void checkButtons() {
        QFETCH(QString, button);
        QFETCH(QString, value);
        QFETCH(QString, screen);
        QFETCH(QString, screenField);
        const QMap<QString, QLineEdit *> source = {{"btnCodFisc", card->txtCodFisc},
                                                   {"btnPartitaIva", card->txtPartitaIva},
                                                   {"btnCarta", card->txtCarta},
                                                   {"btnIban", card->txtIban}};
        source[button]->setText(value);
        QString opened, given;
        whenModal([&](QWidget *w) {
            opened = QString::fromLatin1(w->metaObject()->className());
            if (auto *e = w->findChild<QLineEdit *>(screenField))
                given = e->text();
            w->close();
        });
        card->findChild<QToolButton *>(button)->click();
        QCOMPARE(opened, screen);
        QCOMPARE(given, value);
    }

    void emailAndHelp() {
        card->txtEmail->setText(QStringLiteral("mario@rossi.it"));
        card->btnEmail->click();
        QCOMPARE(shell->commands, QStringList{QStringLiteral("\"mailto:mario@rossi.it\"")});
        QString title, text;
        whenModal([&](QWidget *w) {
            auto *help = qobject_cast<TfrmGuida *>(w);
            QVERIFY(help);
            title = help->lblTitolo->text();
            text = help->txtGuida->toPlainText();
            help->close();
        });
        card->cmdGuida->click();
        QCOMPARE(title, QStringLiteral("App Clienti e Servizi"));
        QVERIFY(text.startsWith(QStringLiteral("L'app Clienti e Servizi raccoglie")));
    }

    void hints() {
        const QList<QPair<QWidget *, QString>> cases = {
            {card->cmdFile, "Allega file alla scheda corrente."},
            {card->cmdEsci, "Esci dalla schermata di lavoro corrente."},
            {card->btnCodFisc, "Controlla il codice fiscale."},
            {card->chkRicontatta, "Annota che il cliente è da ricontattare per questioni in sospeso."},
            {card->cmdTrova, "Trova una scheda in archivio."}};
        for (const auto &c : cases) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(c.first, &enter);
            QCOMPARE(card->panInfo->text(), c.second);
        }
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(card->findChild<QWidget *>(QStringLiteral("panFiscali")), &move);
        QCOMPARE(card->panInfo->text(), QString());
    }
};

QTEST_MAIN(TstClienti)
#include "tst_clienti.moc"
