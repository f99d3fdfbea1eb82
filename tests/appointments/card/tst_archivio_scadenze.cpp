// The appointment card driven as a user would: typing into the named fields,
// Enter, the commands, the calendar and the messages; checked against the
// bytes of Archivio_Appuntamenti.pro.
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "ui/widgets/Calendario.h"
#include "ui/card/CardScreen.h"
#include "core/platform/Clock.h"
#include "core/files/FileLock.h"
#include "ui/windows/Guida.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");
constexpr int kSize = 1265;

// Field offsets of the appointment record, straight from its table.
enum Offset {
    Data = 0,
    Ore = 11,
    Minuti = 14,
    Ora = 17,
    Avviso = 23,
    Tipologia = 27,
    Causale = 78,
    Dettagli = 329,
    Contatto = 580,
    Tel = 631,
    Cel = 662,
    Email = 693,
    Luogo = 744,
    Importo = 995,
    Note = 1011,
    Ottemperata = 1262
};

struct Put {
    int offset;
    QByteArray text;
};

QByteArray appointment(std::initializer_list<Put> puts) {
    QByteArray r(kSize, '\0');
    for (const Put &p : puts) {
        r[p.offset] = char(p.text.size());
        r.replace(p.offset + 1, p.text.size(), p.text);
    }
    return r;
}

// The stored text of one field of record n (1-based) of a file's bytes.
QByteArray stored(const QByteArray &file, int n, int offset) {
    const int at = (n - 1) * kSize + offset;
    return file.mid(at + 1, uchar(file.at(at)));
}

QByteArray recordOf(const QByteArray &file, int n) { return file.mid((n - 1) * kSize, kSize); }

const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

} // namespace

class TstArchivioScadenze : public QObject {
    Q_OBJECT

    TempProgramFolder *folder = nullptr;
    ScriptedMessages *messages = nullptr;
    RecordingShell *shell = nullptr;
    TfrmArchivio_Scadenze *card = nullptr;

    void type(QWidget *w, const QString &text) {
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    void fillRequired() {
        card->txtData->setText(QStringLiteral("05/03/2024")); // read-only: comes from the calendar
        type(card->txtCausale, QStringLiteral("Pulizia uffici"));
        type(card->txtContatto, QStringLiteral("Rossi Mario"));
        type(card->txtCel, QStringLiteral("3331234567"));
    }
    void writeArchive(const QList<QByteArray> &records) {
        QByteArray all;
        for (const QByteArray &r : records)
            all += r;
        folder->write(kFile, all);
    }
    QList<QByteArray> threeRecords() {
        return {appointment({{Data, "01/02/2024"}, {Contatto, "Uno"}, {Ottemperata, "S\xec"}}),
                appointment({{Data, "02/02/2024"},
                             {Ore, "09"},
                             {Minuti, "30"},
                             {Ora, "09:30"},
                             {Avviso, "3"},
                             {Causale, "Vetri"},
                             {Contatto, "Due"},
                             {Cel, "333"},
                             {Importo, "50,00"},
                             {Ottemperata, "S\xec"}}),
                appointment({{Data, "03/02/2024"}, {Contatto, "Tre"}, {Ottemperata, "No"}})};
    }
    QStringList texts() const {
        QStringList t;
        for (const ShownMessage &m : messages->shown)
            t << m.text;
        return t;
    }

private slots:
    void init() {
        folder = new TempProgramFolder;
        messages = new ScriptedMessages;
        shell = new RecordingShell;
        Clock::setFixed(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        card = new TfrmArchivio_Scadenze;
        card->show();
        QApplication::setActiveWindow(card);
        QVERIFY(QTest::qWaitForWindowActive(card));
    }
    void cleanup() {
        delete card;
        delete shell;
        delete messages;
        delete folder;
        Clock::setFixed(QDateTime());
    }

    void showingStartsFromANewCard() {
        QCOMPARE(card->windowTitle(), QStringLiteral(" Tersalia - Schedario Appuntamenti"));
        QCOMPARE(card->txtOreApp->currentText(), QStringLiteral("00"));
        QCOMPARE(card->txtOreApp->currentIndex(), -1);
        QCOMPARE(card->txtMinutiApp->currentText(), QStringLiteral("00"));
        QCOMPARE(card->txtAvviso->text(), QStringLiteral("0"));
        QCOMPARE(card->txtImporto->text(), QStringLiteral("0,00"));
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(QApplication::focusWidget(), card->txtData);
        QCOMPARE(card->txtOreApp->count(), 24);
        QCOMPARE(card->txtOreApp->itemText(23), QStringLiteral("23"));
        QCOMPARE(card->txtMinutiApp->count(), 60);
        QCOMPARE(card->txtMinutiApp->itemText(59), QStringLiteral("59"));

        // Hidden and shown again: whatever was on screen is gone.
        writeArchive(threeRecords());
        card->cmdPrimo->click();
        type(card->txtNote, QStringLiteral("x"));
        card->hide();
        card->show();
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtContatto->text(), QString());
        QCOMPARE(card->txtNote->text(), QString());
        QVERIFY(!card->chkOttemperata->isChecked());
    }

    void newCardWithOnlyTheRequiredFieldsGetsTheDefaults() {
        card->txtImporto->clear(); // emptied without leaving it: Salva fills it in
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(texts(), QStringList{kInserted});
        QCOMPARE(messages->shown.last().kind, MessageKind::Information);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));

        const QByteArray file = folder->read(kFile);
        QCOMPARE(file.size(), kSize);
        QCOMPARE(stored(file, 1, Data), QByteArray("05/03/2024"));
        QCOMPARE(stored(file, 1, Ore), QByteArray("00"));
        QCOMPARE(stored(file, 1, Minuti), QByteArray("00"));
        QCOMPARE(stored(file, 1, Ora), QByteArray("00:00"));
        QCOMPARE(stored(file, 1, Avviso), QByteArray("0"));
        QCOMPARE(stored(file, 1, Causale), QByteArray("Pulizia uffici"));
        QCOMPARE(stored(file, 1, Contatto), QByteArray("Rossi Mario"));
        QCOMPARE(stored(file, 1, Cel), QByteArray("3331234567"));
        QCOMPARE(stored(file, 1, Importo), QByteArray("0,00"));
        QCOMPARE(stored(file, 1, Ottemperata), QByteArray("No"));

        // Saving again updates the same record.
        type(card->txtNote, QStringLiteral("Citofonare"));
        card->chkOttemperata->setChecked(true);
        card->cmdSalva->click();
        QCOMPARE(messages->lastText(), kUpdated);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        const QByteArray again = folder->read(kFile);
        QCOMPARE(again.size(), kSize);
        QCOMPARE(stored(again, 1, Note), QByteArray("Citofonare"));
        QCOMPARE(stored(again, 1, Ottemperata), QByteArray("S\xec"));
    }

    void savingANewCardAppendsAfterTheLastRecord() {
        writeArchive(threeRecords());
        const QByteArray before = folder->read(kFile);
        fillRequired();
        card->txtOreApp->setCurrentIndex(9);
        card->txtMinutiApp->setCurrentIndex(30);
        type(card->txtEmail, QStringLiteral("rossi@example.it   "));
        card->cmdSalva->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("4"));
        const QByteArray file = folder->read(kFile);
        QCOMPARE(file.size(), 4 * kSize);
        QCOMPARE(file.left(3 * kSize), before);
        QCOMPARE(stored(file, 4, Ora), QByteArray("09:30"));
        QCOMPARE(stored(file, 4, Email), QByteArray("rossi@example.it"));
    }

    void requiredFieldsInOrder_data() {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("warning");
        const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("date") << "txtData" << need + "la data dell'appuntamento.";
        QTest::newRow("notice") << "txtAvviso"
                                << need + "i giorni di preavviso rispetto alla data dell'appuntamento.";
        QTest::newRow("services") << "txtCausale" << need + "i servizi richiesti dal cliente.";
        QTest::newRow("client") << "txtContatto" << need + "il nome del cliente.";
        QTest::newRow("mobile") << "txtCel" << need + "il numero di cellulare del cliente.";
    }
    void requiredFieldsInOrder() {
        QFETCH(QString, emptied);
        QFETCH(QString, warning);
        fillRequired();
        // Blanks only count as missing; every field after the emptied one is emptied too,
        // so only the first missing one may be reported.
        const QStringList order = {"txtData", "txtAvviso", "txtCausale", "txtContatto", "txtCel"};
        for (qsizetype i = order.indexOf(emptied); i < order.size(); ++i)
            card->findChild<QLineEdit *>(order[i])->setText(QStringLiteral("   "));
        card->txtTel->setFocus(); // not the notice field: its exit rule would fill it
        card->cmdSalva->click();
        QCOMPARE(texts(), QStringList{warning});
        QCOMPARE(messages->shown.last().kind, MessageKind::Warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), emptied);
        QVERIFY(folder->read(kFile).isEmpty());
        QCOMPARE(card->lblPosizione->text(), QString());
    }

    void leavingTheNoticeEmptyTurnsItIntoZero() {
        type(card->txtAvviso, QString());
        card->txtAvviso->clear();
        QTest::keyClick(card->txtAvviso, Qt::Key_Return);
        QCOMPARE(card->txtAvviso->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), card->txtTipologia);

        // Salva leaves the field being edited first: its exit rule runs before the check.
        fillRequired();
        card->txtAvviso->setFocus();
        card->txtAvviso->clear();
        card->cmdSalva->click();
        QCOMPARE(texts(), QStringList{kInserted});
        QCOMPARE(stored(folder->read(kFile), 1, Avviso), QByteArray("0"));
    }

    void amountOnLeaving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << ""
                               << "0,00";
        QTest::newRow("12") << "12"
                            << "12,00";
        QTest::newRow("12,5") << "12,5"
                              << "12,50";
        QTest::newRow("12,346") << "12,346"
                                << "12,35";
        QTest::newRow("0,5") << "0,5"
                             << "0,50";
        QTest::newRow("0") << "0"
                           << "0,00";
        QTest::newRow("1234") << "1234"
                              << "1234,00";
        QTest::newRow("letters cannot be typed") << "abc"
                                                 << "0,00";
        QTest::newRow("two commas") << "1,2,3"
                                    << "0,00";
        QTest::newRow("point swallowed") << "7.25"
                                         << "725,00";
    }
    void amountOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        card->txtImporto->setFocus();
        card->txtImporto->clear();
        QTest::keyClicks(card->txtImporto, typed);
        QTest::keyClick(card->txtImporto, Qt::Key_Return);
        QCOMPARE(card->txtImporto->text(), after);
        QCOMPARE(QApplication::focusWidget(), card->txtNote);
    }

    void keysTheFieldsSwallow_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("notice: digits only, three at most") << "txtAvviso"
                                                            << "1a -2b34"
                                                            << "123";
        QTest::newRow("mobile: no plus, blanks or letters") << "txtCel"
                                                            << "+39 333-12x"
                                                            << "3933312";
        QTest::newRow("amount: digits and comma") << "txtImporto"
                                                  << "1.5e,7$"
                                                  << "15,7";
        QTest::newRow("hours: list only") << "txtOreApp"
                                          << "12ab"
                                          << "00";
        QTest::newRow("minutes: list only") << "txtMinutiApp"
                                            << "45"
                                            << "00";
        QTest::newRow("e-mail: never a blank at either end") << "txtEmail"
                                                             << " a@b.it "
                                                             << "a@b.it";
        QTest::newRow("free text keeps everything") << "txtNote"
                                                    << " a, b! "
                                                    << " a, b! ";
    }
    void keysTheFieldsSwallow() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QWidget *w = card->findChild<QWidget *>(field);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->clear();
        type(w, typed);
        auto *combo = qobject_cast<QComboBox *>(w);
        QCOMPARE(combo ? combo->currentText() : qobject_cast<QLineEdit *>(w)->text(), text);
    }

    void pastingCannotBypassTheFilters() {
        QApplication::clipboard()->setText(QStringLiteral("12 ab"));
        for (QLineEdit *e : {card->txtCel, card->txtAvviso, card->txtImporto}) {
            e->clear();
            e->setFocus();
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(e->text(), QString());
            QCOMPARE(e->contextMenuPolicy(), Qt::NoContextMenu); // no menu with "Incolla" either
        }
        card->txtNote->setFocus(); // a free field takes it
        QTest::keyClick(card->txtNote, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(card->txtNote->text(), QStringLiteral("12 ab"));
    }

    // Pasted line breaks and tabs become blanks in the field and in the record,
    // in a free field as in one set by the program.
    void pastedLineBreaksBecomeBlanks() {
        fillRequired();
        QApplication::clipboard()->setText(QStringLiteral("Citofonare\r\nscala B\tinterno 4\n"));
        for (QLineEdit *e : {card->txtNote, card->txtDettagli}) {
            e->clear();
            e->setFocus();
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e->text(), QStringLiteral("Citofonare  scala B interno 4 "));
        }
        card->txtTel->setText(QStringLiteral("06\t5551234")); // set by a program path, not typed
        QCOMPARE(card->txtTel->text(), QStringLiteral("06 5551234"));
        card->cmdSalva->click();
        const QByteArray file = folder->read(kFile);
        QCOMPARE(stored(file, 1, Note), QByteArray("Citofonare  scala B interno 4"));
        QCOMPARE(stored(file, 1, Dettagli), QByteArray("Citofonare  scala B interno 4"));
        QCOMPARE(stored(file, 1, Tel), QByteArray("06 5551234"));
    }

    void digitFieldsKeepTheirEditingKeys() {
        card->txtCel->clear();
        type(card->txtCel, QStringLiteral("1234"));
        QTest::keyClick(card->txtCel, Qt::Key_Left);
        QTest::keyClick(card->txtCel, Qt::Key_Left);
        QTest::keyClick(card->txtCel, Qt::Key_Backspace); // removes "2"
        QTest::keyClick(card->txtCel, Qt::Key_Delete);    // removes "3"
        QTest::keyClick(card->txtCel, Qt::Key_Right);
        QTest::keyClick(card->txtCel, Qt::Key_Home); // swallowed: the cursor stays
        QTest::keyClicks(card->txtCel, QStringLiteral("9"));
        QCOMPARE(card->txtCel->text(), QStringLiteral("149"));
    }

    void timeListsAcceptOnlyTheirItems() {
        // A value chosen from the list stays; one that is not an item is emptied on leaving.
        card->txtOreApp->setFocus();
        QCOMPARE(card->txtOreApp->currentIndex(), -1); // no item highlighted when it takes the focus
        card->txtOreApp->setCurrentIndex(23);
        QTest::keyClick(card->txtOreApp, Qt::Key_Return);
        QCOMPARE(card->txtOreApp->currentText(), QStringLiteral("23"));
        QCOMPARE(QApplication::focusWidget(), card->txtMinutiApp);

        card->txtMinutiApp->setEditText(QStringLiteral("60"));
        QTest::keyClick(card->txtMinutiApp, Qt::Key_Return);
        QCOMPARE(card->txtMinutiApp->currentText(), QString());
    }

    void enterMovesInTheCardsOrder() {
        const QStringList order = {"txtOreApp",   "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale",
                                   "txtDettagli", "txtContatto",  "txtTel",    "txtCel",       "txtEmail",
                                   "txtLuogo",    "txtImporto",   "txtNote",   "txtData"};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QWidget *w = card->findChild<QWidget *>(order[i]);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i + 1]);
        }
        // The focused field wears its highlight frame.
        auto *frame = card->findChild<QWidget *>(QStringLiteral("effData"));
        QVERIFY(frame && frame->isVisible());
        QVERIFY(!card->findChild<QWidget *>(QStringLiteral("effNote"))->isVisible());
    }

    void navigationRules() {
        // Empty archive: the four arrows say so; next also empties the position.
        for (QToolButton *b : {card->cmdPrimo, card->cmdUltimo, card->cmdIndietro, card->cmdAvanti})
            b->click();
        QCOMPARE(texts(), QStringList(4, kEmpty));
        QCOMPARE(messages->shown.first().kind, MessageKind::Information);

        writeArchive(threeRecords());
        messages->clear();
        card->cmdAvanti->click(); // next on a new card shows record 1
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Uno"));
        card->cmdIndietro->click(); // previous on record 1 does nothing
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        card->cmdUltimo->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Tre"));
        card->cmdAvanti->click(); // next on the last does nothing
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("3"));
        card->cmdIndietro->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(card->txtOreApp->currentText(), QStringLiteral("09"));
        QCOMPARE(card->txtImporto->text(), QStringLiteral("50,00"));
        card->cmdNuovo->click();
        card->cmdIndietro->click(); // previous on a new card shows record 1
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        card->cmdPrimo->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QVERIFY(messages->shown.isEmpty());
    }

    void aFlagThatIsNeitherLeavesTheBoxAsItWas() {
        writeArchive({appointment({{Contatto, "Uno"}, {Ottemperata, "S\xec"}}),
                      appointment({{Contatto, "Due"}}), appointment({{Contatto, "Tre"}, {Ottemperata, "No"}}),
                      appointment({{Contatto, "Quattro"}, {Ottemperata, "si"}})});
        card->cmdPrimo->click();
        QVERIFY(card->chkOttemperata->isChecked());
        card->cmdAvanti->click();
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Due"));
        QVERIFY(card->chkOttemperata->isChecked());
        card->cmdAvanti->click();
        QVERIFY(!card->chkOttemperata->isChecked());
        card->cmdAvanti->click();
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Quattro"));
        QVERIFY(!card->chkOttemperata->isChecked());
    }

    void nuovoDiscardsEditsWithoutAsking() {
        writeArchive(threeRecords());
        const QByteArray before = folder->read(kFile);
        card->cmdIndietro->click();
        type(card->txtContatto, QStringLiteral(" cambiato"));
        card->cmdNuovo->click();
        QVERIFY(messages->shown.isEmpty());
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtContatto->text(), QString());
        QCOMPARE(card->txtAvviso->text(), QStringLiteral("0"));
        QCOMPARE(card->txtOreApp->currentText(), QStringLiteral("00"));
        QVERIFY(!card->chkOttemperata->isChecked());
        QCOMPARE(QApplication::focusWidget(), card->txtData);
        QCOMPARE(folder->read(kFile), before);
    }

    void duplicateNeedsAStoredCard() {
        type(card->txtContatto, QStringLiteral("Rossi"));
        card->cmdDuplica->click();
        QCOMPARE(texts(),
                 QStringList{QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                            "soltanto dopo che questa è stata inserita in archivio.")});
        QCOMPARE(messages->shown.last().kind, MessageKind::Warning);
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Rossi"));
        QVERIFY(!QFile::exists(folder->file(kFile)));
    }

    void duplicateThenSaveAppendsAndLeavesTheSourceAlone() {
        writeArchive(threeRecords());
        const QByteArray before = folder->read(kFile);
        card->cmdPrimo->click();
        card->cmdAvanti->click(); // record 2
        card->cmdDuplica->click();
        QCOMPARE(texts(),
                 QStringList{QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                            "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                            "scheda in archivio.")});
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtData->text(), QString());
        QCOMPARE(card->txtOreApp->currentText(), QStringLiteral("00"));
        QCOMPARE(card->txtMinutiApp->currentText(), QStringLiteral("00"));
        QCOMPARE(card->txtCausale->text(), QStringLiteral("Vetri"));
        QVERIFY(card->chkOttemperata->isChecked());
        QCOMPARE(QApplication::focusWidget(), card->txtData);

        // Saved without choosing a date: the date warning, nothing written.
        messages->clear();
        card->cmdSalva->click();
        QCOMPARE(texts(),
                 QStringList{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la "
                                            "data dell'appuntamento.")});
        QCOMPARE(folder->read(kFile), before);

        card->txtData->setText(QStringLiteral("09/02/2024"));
        card->cmdSalva->click();
        QCOMPARE(messages->lastText(), kInserted);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("4"));
        const QByteArray after = folder->read(kFile);
        QCOMPARE(after.size(), 4 * kSize);
        QCOMPARE(after.left(3 * kSize), before); // record 2 byte-identical
        QCOMPARE(stored(after, 4, Data), QByteArray("09/02/2024"));
        QCOMPARE(stored(after, 4, Ora), QByteArray("00:00"));
        QCOMPARE(stored(after, 4, Causale), QByteArray("Vetri"));
        QCOMPARE(stored(after, 4, Importo), QByteArray("50,00"));
        QCOMPARE(stored(after, 4, Ottemperata), QByteArray("S\xec"));
    }

    void anArchiveThatCannotBeOpened() {
        QVERIFY(QDir(folder->path()).mkdir(kFile)); // a folder where the file should be
        const QString failure = CardScreen::archiveFailureText();
        QCOMPARE(failure,
                 QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                "installazione del programma."));
        fillRequired();
        type(card->txtNote, QStringLiteral("da non perdere"));
        card->cmdSalva->click();
        QCOMPARE(texts(), QStringList{failure});
        QCOMPARE(messages->shown.last().kind, MessageKind::Error);
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtNote->text(), QStringLiteral("da non perdere"));
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Rossi Mario"));

        messages->clear();
        card->cmdAvanti->click();
        card->cmdPrimo->click();
        QCOMPARE(texts(), QStringList(2, failure));
        QCOMPARE(card->txtNote->text(), QStringLiteral("da non perdere"));
    }

    void aStoredCardKeepsItsNumberWhenTheArchiveFails() {
        writeArchive(threeRecords());
        card->cmdUltimo->click();
        card->cmdIndietro->click(); // record 2: every required field filled
        QVERIFY(QFile::remove(folder->file(kFile)));
        QVERIFY(QDir(folder->path()).mkdir(kFile));
        card->cmdSalva->click();
        QCOMPARE(messages->shown.last().kind, MessageKind::Error);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("2"));
        card->cmdDuplica->click(); // the access check fails: the card stays new, no "done" message
        QCOMPARE(texts().last(), CardScreen::archiveFailureText());
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtContatto->text(), QStringLiteral("Due"));
    }

    // Another station writing the archive at this moment (its lock held past the
    // patience): the save ends in the archive error and nothing is lost.
    void anotherStationHoldingTheArchiveTooLong() {
        writeArchive(threeRecords());
        const QByteArray before = folder->read(kFile);
        const int patience = FileLock::setPatienceMs(200);
        QFile other(folder->file(kFile));
        QVERIFY(other.open(QIODevice::ReadWrite));
        FileLock held(other);
        QVERIFY(held.isLocked());
        fillRequired();
        type(card->txtNote, QStringLiteral("da non perdere"));
        card->cmdSalva->click();
        QCOMPARE(texts(), QStringList{CardScreen::archiveFailureText()});
        QCOMPARE(messages->shown.last().kind, MessageKind::Error);
        QCOMPARE(card->lblPosizione->text(), QString());
        QCOMPARE(card->txtNote->text(), QStringLiteral("da non perdere"));
        QCOMPARE(folder->read(kFile), before);

        held.release();
        messages->clear();
        card->cmdSalva->click();
        FileLock::setPatienceMs(patience);
        QCOMPARE(texts(), QStringList{kInserted});
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("4"));
        QCOMPARE(stored(folder->read(kFile), 4, Note), QByteArray("da non perdere"));
    }

    void calendarImportsTheDate() {
        bool seen = false;
        whenModal([&](QWidget *w) {
            auto *cal = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(cal);
            seen = true;
            QCOMPARE(cal->windowTitle(), QStringLiteral(" Importazione data"));
            QCOMPARE(cal->calAppuntamenti->selectedDate(), QDate(2024, 3, 1)); // today
            cal->calAppuntamenti->setSelectedDate(QDate(2024, 3, 5));
            cal->btnImportaData->click();
        });
        card->impData->click();
        QVERIFY(seen);
        QCOMPARE(card->txtData->text(), QStringLiteral("05/03/2024"));

        // "Annulla" changes nothing; a key other than Backspace and Delete opens it too.
        seen = false;
        whenModal([&](QWidget *w) {
            auto *cal = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(cal);
            seen = true;
            cal->calAppuntamenti->setSelectedDate(QDate(2024, 12, 25));
            cal->btnAnnulla->click();
        });
        card->txtData->setFocus();
        QTest::keyClick(card->txtData, Qt::Key_Return);
        QVERIFY(seen);
        QCOMPARE(card->txtData->text(), QStringLiteral("05/03/2024"));

        QTest::keyClick(card->txtData, Qt::Key_Backspace);
        QCOMPARE(card->txtData->text(), QString());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void whatsAppConfirmation_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString prefix =
            QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente "
                           "tramite WhatsApp è necessario indicare ");
        QTest::newRow("no date") << ""
                                 << "333" << prefix + "la data."
                                 << "txtData";
        QTest::newRow("no mobile") << "05/03/2024"
                                   << "" << prefix + "il suo numero di cellulare."
                                   << "txtCel";
    }
    void whatsAppConfirmation() {
        QFETCH(QString, date);
        QFETCH(QString, mobile);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        card->txtData->setText(date);
        type(card->txtCel, mobile);
        card->txtNote->setFocus();
        card->btnWhatsApp->click();
        QCOMPARE(texts(), QStringList{warning});
        QCOMPARE(messages->shown.last().kind, MessageKind::Warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(shell->commands.isEmpty());
    }

    void whatsAppLinkCarriesTheConfirmation() {
        card->txtData->setText(QStringLiteral("05/03/2024"));
        type(card->txtCel, QStringLiteral("3331234567"));
        card->btnWhatsApp->click(); // hours and minutes never changed: 00:00
        card->txtOreApp->setCurrentIndex(9);
        card->txtMinutiApp->setCurrentIndex(30);
        card->btnWhatsApp->click();
        QVERIFY(messages->shown.isEmpty());
        QCOMPARE(shell->commands.size(), 2);
        QVERIFY(!QFile::exists(folder->file(kFile))); // nothing saved

        const QString text =
            QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento fissato per le ore ");
        const QStringList times = {QStringLiteral("00:00"), QStringLiteral("09:30")};
        for (int i = 0; i < 2; ++i) {
            const QString command = shell->commands[i];
            QVERIFY2(!command.contains(QLatin1Char(' ')) && !command.contains(QLatin1Char('\'')),
                     qPrintable(command));
            const QUrl url = TMisc::urlFor(command);
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QCOMPARE(url.path(), QStringLiteral("/send"));
            const QUrlQuery query(url);
            const auto items = query.queryItems(QUrl::FullyDecoded);
            QCOMPARE(items.size(), 2);
            QCOMPARE(items[0].first, QStringLiteral("phone"));
            QCOMPARE(items[0].second, QStringLiteral("393331234567")); // with the Italian prefix
            QCOMPARE(items[1].first, QStringLiteral("text"));
            QCOMPARE(items[1].second, text + times[i] + QStringLiteral(" del giorno 05/03/2024"));
        }
    }

    void emailOpensAMailLink() {
        type(card->txtEmail, QStringLiteral("rossi@example.it"));
        card->btnEmail->click();
        card->txtEmail->clear();
        card->btnEmail->click();
        QCOMPARE(shell->commands,
                 QStringList({QStringLiteral("\"mailto:rossi@example.it\""), QStringLiteral("\"mailto:\"")}));
    }

    void hintsAndTheBackground() {
        auto *panInfo = card->panInfo;
        QCOMPARE(panInfo->objectName(), QStringLiteral("panInfo"));
        const struct {
            QWidget *w;
            const char *hint;
        } cases[] = {
            {card->cmdSalva, "Salva la scheda corrente in archivio."},
            {card->cmdUltimo, "Visualizza l'ultima scheda in archivio."},
            {card->impData, "Importa la data dal calendario."},
            {card->chkOttemperata, "Spunta questa casella per indicare che l'impegno è stato assolto."}};
        for (const auto &c : cases) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(c.w, &enter);
            QCOMPARE(panInfo->text(), QString::fromUtf8(c.hint));
        }
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(card->findChild<QWidget *>(QStringLiteral("panServizi")), &move);
        QCOMPARE(panInfo->text(), QString());
    }

    void helpAndClose() {
        QString title;
        whenModal([&](QWidget *w) {
            auto *help = qobject_cast<TfrmGuida *>(w);
            QVERIFY(help);
            title = help->lblTitolo->text();
            QVERIFY(!help->txtGuida->toPlainText().isEmpty());
            help->close();
        });
        card->cmdGuida->click();
        QCOMPARE(title, QStringLiteral("App Schedario Appuntamenti"));

        QWidget menu;
        ModuleWindow::setMenu(&menu);
        card->cmdEsci->click();
        QVERIFY(!card->isVisible());
        QVERIFY(menu.isVisible());
        ModuleWindow::setMenu(nullptr);
        QVERIFY(messages->shown.isEmpty());
    }
};

QTEST_MAIN(TstArchivioScadenze)
#include "tst_archivio_scadenze.moc"
