// The contract screen driven as a user would: the company data kept in
// Contratti.ini, the proposed number, Save with its checks against the bytes
// of Contratti.pro, browsing with its kinds of message, Duplicate, the fee,
// the client import and the check buttons.
#include "ContractFixture.h"
#include "TestEnv.h"
#include "contracts/card/Contratto.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/settings/IniFile.h"
#include "core/records/RecordFile.h"
#include "core/text/TextRules.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/CardScreen.h"
#include "ui/search/SearchScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QToolButton>

using namespace ContractFixture;

namespace {

const QString kArchive = QStringLiteral("Contratti.pro");
const QString kIni = QStringLiteral("Contratti.ini");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

QList<QByteArray> threeContracts() {
    return {contract({{NumContratto, "1"}, {Data, "01/02/2024"}, {Ditta, "Pulito Srl"}, {Cliente, "Uno"}}),
            contract({{NumContratto, "2"},
                      {Data, "02/02/2024"},
                      {Ditta, "Pulito Srl"},
                      {Cliente, "Due"},
                      {ImpCanone, "80,00"},
                      {File01, "contratto_due.pdf"},
                      {Desc01, "Copia firmata"}}),
            contract({{NumContratto, "3"}, {Data, "03/02/2024"}, {Ditta, "Pulito Srl"}, {Cliente, "Tre"}})};
}

} // namespace

class TstContratto : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    TfrmContratto *screen = nullptr;

    // Typing; letters beyond ASCII, which the test keyboard lacks, are inserted as typed text.
    void type(QWidget *w, const QString &text) {
        w->setFocus();
        const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (auto *e = qobject_cast<QLineEdit *>(w); e && !ascii)
            e->insert(text);
        else
            QTest::keyClicks(w, text);
    }
    void writeArchive(const QList<QByteArray> &records) { seams->folder.write(kArchive, join(records)); }
    QByteArray archive() const { return seams->folder.read(kArchive); }
    void reopen() {
        screen->close();
        screen->show();
        QApplication::setActiveWindow(screen);
    }
    const ShownMessage &last() const { return seams->messages.shown.last(); }

private slots:
    void init() {
        seams = new ScreenSeams;
        Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
        screen = new TfrmContratto;
        screen->show();
        QApplication::setActiveWindow(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }
    void cleanup() {
        delete screen;
        delete seams;
        Clock::setFixed(QDateTime());
    }

    void showingStartsANewCard() {
        QCOMPARE(screen->windowTitle(), QStringLiteral("  Tersalia - Stesura Contratti"));
        QCOMPARE(screen->txtData->text(), QStringLiteral("15/03/2024"));
        QCOMPARE(screen->txtImpCanone->text(), QStringLiteral("0,00"));
        QCOMPARE(screen->lblPosizione->text(), QString());
        for (QLabel *l : {screen->lblFile[0], screen->lblFile[2], screen->lblDesc[1]})
            QCOMPARE(l->text(), QString());
        QCOMPARE(screen->txtProvCli->count(), 112);
        QCOMPARE(screen->txtProvCli->itemText(85), QStringLiteral("RM"));
        QCOMPARE(screen->txtPeriodicita->itemText(5), QStringLiteral("Tarriffa oraria"));
        QCOMPARE(screen->txtLuogo->maxLength(), 50);
        QCOMPARE(screen->txtMarca->maxLength(), 250);
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Pronto per stampare una nuova tessera..."));
    }

    // The company data go to Contratti.ini on closing and come back on the
    // next showing; a new card keeps them.
    void companyDataSurviveCloseAndReopen() {
        const QList<std::pair<QLineEdit *, QString>> typed = {
            {screen->txtDitta, QStringLiteral("Splendor Pulizie di Cantù & C.")},
            {screen->txtPartitaIva, QStringLiteral("12345678903")},
            {screen->txtSede, QStringLiteral("Forlì")},
            {screen->txtCapRes, QStringLiteral("47121")},
            {screen->txtVia, QStringLiteral("Via Nazario Sauro 12")},
            {screen->txtTelUff, QStringLiteral("0543 123456")},
            {screen->txtTelCel, QStringLiteral("splendor@pec.it")},
            {screen->txtFax, QStringLiteral("Niccolò Zanè")},
            {screen->txtLuogo, QStringLiteral("Forlì")},
        };
        for (const auto &[edit, text] : typed)
            type(edit, text);
        type(screen->txtCodFisc, QStringLiteral(" rssmra80a01d704x"));
        type(screen->txtProvRes->lineEdit(), QStringLiteral("fc"));
        type(screen->txtCliente, QStringLiteral("Cliente che non resta"));
        screen->close();
        QVERIFY(seams->messages.shown.isEmpty());

        const IniFile ini(seams->folder.file(kIni));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Denominazione")),
                 QStringLiteral("Splendor Pulizie di Cantù & C."));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Codice Fiscale")),
                 QStringLiteral("RSSMRA80A01D704X"));
        QCOMPARE(ini.read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Luogo Stipula")),
                 QStringLiteral("Forlì"));
        // Keys with blanks, values in Windows-1252, as any Windows INI reader sees them.
        const QByteArray bytes = seams->folder.read(kIni);
        QVERIFY(bytes.contains("[Ditta Pulizie]"));
        QVERIFY(bytes.contains("Partita Iva=12345678903"));
        QVERIFY(bytes.contains("Responsabile=Niccol\xf2 Zan\xe8"));
        QVERIFY(bytes.contains("Provincia=FC"));

        // A new screen, as after restarting the program.
        QList<std::pair<QString, QString>> expected;
        for (const auto &[edit, text] : typed)
            expected.append({edit->objectName(), text});
        delete screen;
        screen = new TfrmContratto;
        screen->show();
        for (const auto &[name, text] : expected)
            QCOMPARE(screen->findChild<QLineEdit *>(name)->text(), text);
        QCOMPARE(screen->txtCodFisc->text(), QStringLiteral("RSSMRA80A01D704X"));
        QCOMPARE(screen->txtProvRes->currentText(), QStringLiteral("FC"));
        QCOMPARE(screen->txtCliente->text(), QString());
        screen->cmdNuovo->click();
        QCOMPARE(screen->txtDitta->text(), QStringLiteral("Splendor Pulizie di Cantù & C."));
        QCOMPARE(screen->txtLuogo->text(), QStringLiteral("Forlì"));
    }

    // A Contratti.ini written on Windows shows its values whole (";" inside a
    // value is text, one pair of quotes goes), and closing rewrites only the
    // company's keys: the comment, the unknown long key and the numbering stay.
    void settingsWrittenOnWindowsShowWhole() {
        const QByteArray tail =
            "[Altro]\r\nNote=" + QByteArray(600, 'x') + "\r\n[Numerazione Contratti]\r\nInizio=100\r\n";
        screen->close();
        seams->folder.write(
            kIni, "; dati della ditta\r\n[Ditta Pulizie]\r\nDenominazione=\"Pulizie Alfa; Beta\"\r\n"
                  "Responsabile=Mario Rossi; Anna Verdi # legale\r\n" +
                      tail);
        screen->show();
        QCOMPARE(screen->txtDitta->text(), QStringLiteral("Pulizie Alfa; Beta"));
        QCOMPARE(screen->txtFax->text(), QStringLiteral("Mario Rossi; Anna Verdi # legale"));
        screen->cmdNuovo->click();
        QCOMPARE(screen->txtNumContratto->text(), QStringLiteral("100"));
        QCOMPARE(screen->txtFax->text(), QStringLiteral("Mario Rossi; Anna Verdi # legale"));
        type(screen->txtTelCel, QStringLiteral("alfa@pec.it"));
        screen->close();
        QVERIFY(seams->messages.shown.isEmpty());
        const QByteArray after = seams->folder.read(kIni);
        QVERIFY(
            after.startsWith("; dati della ditta\r\n[Ditta Pulizie]\r\nDenominazione=Pulizie Alfa; Beta\r\n"
                             "Responsabile=Mario Rossi; Anna Verdi # legale\r\n"));
        QVERIFY(after.contains("\r\nPEC=alfa@pec.it\r\n"));
        QVERIFY(after.endsWith(tail));
        QCOMPARE(after.count('"'), 0);
    }

    // Browsing to an old contract and leaving writes that contract's company data.
    void leavingAfterBrowsingWritesTheShownCompany() {
        writeArchive({contract({{NumContratto, "1"}, {Ditta, "Vecchia Ditta"}, {Cliente, "Uno"}})});
        screen->cmdUltimo->click();
        QCOMPARE(screen->txtDitta->text(), QStringLiteral("Vecchia Ditta"));
        reopen();
        QCOMPARE(screen->txtDitta->text(), QStringLiteral("Vecchia Ditta"));
        QCOMPARE(screen->lblPosizione->text(), QString());
    }

    // A settings file that cannot be written is reported, and what was typed
    // stays on the screen for the next showing instead of the old values.
    void unwritableSettingsAreReportedAndKept() {
        // As root every file is writable: a folder (not empty) in its place is what cannot be written.
        QVERIFY(QDir(seams->folder.path()).mkpath(kIni + QStringLiteral("/x")));
        type(screen->txtDitta, QStringLiteral("Ditta Nuova"));
        screen->close();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(last().kind, MessageKind::Warning);
        QCOMPARE(last().text, ContractCompany::notSavedText());
        QVERIFY(screen->isHidden());
        screen->show();
        QCOMPARE(screen->txtDitta->text(), QStringLiteral("Ditta Nuova"));
        // Once the file can be written, closing writes it.
        QVERIFY(QDir(seams->folder.file(kIni)).removeRecursively());
        screen->close();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(IniFile(seams->folder.file(kIni))
                     .read(QStringLiteral("Ditta Pulizie"), QStringLiteral("Denominazione")),
                 QStringLiteral("Ditta Nuova"));
    }

    void proposedNumber_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("start");
        const QByteArray section = "[Numerazione Contratti]\r\n";
        QTest::newRow("no settings, empty archive") << QByteArray() << 0 << "1"
                                                    << "1";
        QTest::newRow("no settings, 12 contracts") << QByteArray() << 12 << "13"
                                                   << "1";
        QTest::newRow("Inizio empty") << section + "Inizio=\r\n"
                                      << 2 << "3"
                                      << "1";
        QTest::newRow("Inizio 1000, empty archive") << section + "Inizio=1000\r\n"
                                                    << 0 << "1000"
                                                    << "1000";
        QTest::newRow("Inizio 100, 7 contracts") << section + "Inizio=100\r\n"
                                                 << 7 << "107"
                                                 << "100";
        QTest::newRow("Inizio 0, empty archive") << section + "Inizio=0\r\n"
                                                 << 0 << "0"
                                                 << "0";
        QTest::newRow("Inizio 0, 5 contracts") << section + "Inizio=0\r\n"
                                               << 5 << "5"
                                               << "0";
    }
    void proposedNumber() {
        QFETCH(QByteArray, ini);
        QFETCH(int, stored);
        QFETCH(QString, number);
        QFETCH(QString, start);
        if (!ini.isEmpty())
            seams->folder.write(kIni, ini);
        QList<QByteArray> records;
        for (int i = 0; i < stored; ++i)
            records << contract({{Cliente, "C"}});
        writeArchive(records);
        type(screen->txtCliente, QStringLiteral("Vecchio"));
        screen->txtData->setText(QStringLiteral("01/01/2020"));
        screen->cmdNuovo->click();
        QCOMPARE(screen->txtNumContratto->text(), number);
        QCOMPARE(screen->txtCliente->text(), QString());
        QCOMPARE(screen->txtData->text(), QStringLiteral("15/03/2024"));
        QCOMPARE(screen->focusWidget(), screen->txtCliente);
        QVERIFY(seams->messages.shown.isEmpty());
        QCOMPARE(screen->lblInizio->text(), start);
    }

    // A start that is no integer (a fraction typed into the file by hand
    // included: neither of its neighbours is the number meant) proposes nothing.
    void newFailsWithTheArchiveError_data() {
        QTest::addColumn<QByteArray>("start"); // empty: the archive cannot be opened
        QTest::newRow("Inizio not a number") << QByteArray("abc");
        QTest::newRow("Inizio with a decimal comma") << QByteArray("100,5");
        QTest::newRow("Inizio with a decimal point") << QByteArray("100.5");
        QTest::newRow("Inizio with a zero fraction") << QByteArray("100,0");
        QTest::newRow("archive cannot be opened") << QByteArray();
    }
    void newFailsWithTheArchiveError() {
        QFETCH(QByteArray, start);
        writeArchive(threeContracts());
        if (!start.isEmpty())
            seams->folder.write(kIni, "[Numerazione Contratti]\r\nInizio=" + start + "\r\n");
        else
            QVERIFY(QFile::remove(seams->folder.file(kArchive)) &&
                    QDir(seams->folder.path()).mkdir(kArchive));
        screen->cmdNuovo->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(last().kind, MessageKind::Error);
        QCOMPARE(last().text, CardScreen::archiveFailureText());
        QCOMPARE(screen->txtNumContratto->text(), QString());
    }

    // Nuovo proposes a number; Salva counts again under the archive's lock,
    // and a proposed number another station has saved meanwhile becomes the
    // next free one, which the user is told. A number typed is kept.
    void savedNumberAfterOtherStations_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("before");    // stored before Nuovo
        QTest::addColumn<int>("meanwhile"); // saved by another station between Nuovo and Salva
        QTest::addColumn<QString>("typed"); // empty: the proposal left as it is
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("nobody else saved") << QByteArray() << 3 << 0 << QString() << "4"
                                           << "4";
        QTest::newRow("another station saved") << QByteArray() << 3 << 1 << QString() << "4"
                                               << "5";
        QTest::newRow("two others saved") << QByteArray() << 0 << 2 << QString() << "1"
                                          << "3";
        QTest::newRow("with a start value") << QByteArray("100") << 7 << 1 << QString() << "107"
                                            << "108";
        QTest::newRow("a number typed is kept") << QByteArray() << 3 << 1 << QStringLiteral("2024/15") << "4"
                                                << "2024/15";
        QTest::newRow("the proposal typed again") << QByteArray() << 3 << 1 << QStringLiteral(" 4 ") << "4"
                                                  << "5";
        QTest::newRow("a taken number typed is kept") << QByteArray() << 3 << 1 << QStringLiteral("3") << "4"
                                                      << "3";
    }
    void savedNumberAfterOtherStations() {
        QFETCH(QByteArray, start);
        QFETCH(int, before);
        QFETCH(int, meanwhile);
        QFETCH(QString, typed);
        QFETCH(QString, proposed);
        QFETCH(QString, saved);
        if (!start.isEmpty())
            seams->folder.write(kIni, "[Numerazione Contratti]\r\nInizio=" + start + "\r\n");
        QList<QByteArray> records;
        for (int i = 0; i < before; ++i)
            records << contract({{Cliente, "C"}});
        writeArchive(records);
        type(screen->txtDitta, QStringLiteral("Pulito Srl"));
        screen->cmdNuovo->click();
        QCOMPARE(screen->txtNumContratto->text(), proposed);
        type(screen->txtCliente, QStringLiteral("Bianchi Lucia"));
        if (!typed.isEmpty()) {
            screen->txtNumContratto->clear();
            type(screen->txtNumContratto, typed);
        }
        // Another station takes the numbers proposed here (its Nuovo came at the same moment).
        for (int i = 0; i < meanwhile; ++i) {
            RecordFile other(seams->folder.file(kArchive), kSize);
            QVERIFY(other.open());
            QVERIFY(other.append(contract(
                {{NumContratto, QByteArray::number(proposed.toInt() + i)}, {Cliente, "Altra postazione"}})));
            other.close();
        }
        screen->cmdSalva->click();

        const int n = before + meanwhile + 1;
        QCOMPARE(archive().size(), n * kSize);
        QCOMPARE(stored(archive(), n, NumContratto), saved.toLatin1());
        QCOMPARE(stored(archive(), n, Cliente), QByteArray("Bianchi Lucia"));
        QCOMPARE(screen->lblPosizione->text(), QString::number(n));
        QCOMPARE(Text::trim(screen->txtNumContratto->text()), saved);
        const bool renumbered = saved != proposed && Text::trim(typed) != saved;
        QCOMPARE(seams->messages.shown.size(), renumbered ? 2 : 1);
        if (renumbered) {
            QCOMPARE(seams->messages.shown[0].kind, MessageKind::Information);
            QCOMPARE(seams->messages.shown[0].text,
                     ContractRenumbering::renumberedText(proposed.toLongLong(), saved.toLongLong()));
        }
        QCOMPARE(last().text, kInserted);
        // Saved again, the card keeps its number.
        seams->messages.clear();
        screen->cmdSalva->click();
        QCOMPARE(last().text, kUpdated);
        QCOMPARE(stored(archive(), n, NumContratto), saved.toLatin1());
    }

    // Three stations press Nuovo at once, then save one after the other:
    // three contracts, three numbers.
    void threeStationsSaveThreeNumbers() {
        QList<TfrmContratto *> stations{screen, new TfrmContratto, new TfrmContratto};
        const std::unique_ptr<TfrmContratto> second(stations[1]), third(stations[2]);
        for (TfrmContratto *station : stations) {
            station->show();
            type(station->txtDitta, QStringLiteral("Pulito Srl"));
            station->cmdNuovo->click();
            QCOMPARE(station->txtNumContratto->text(), QStringLiteral("1"));
        }
        for (int i = 0; i < 3; ++i) {
            type(stations[i]->txtCliente, QStringLiteral("Cliente %1").arg(i + 1));
            stations[i]->cmdSalva->click();
            QCOMPARE(last().text, kInserted);
            QCOMPARE(stations[i]->txtNumContratto->text(), QString::number(i + 1));
        }
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(stored(archive(), n, NumContratto), QByteArray::number(n));
            QCOMPARE(stored(archive(), n, Cliente), QStringLiteral("Cliente %1").arg(n).toLatin1());
        }
        QCOMPARE(seams->messages.shown.size(), 5);
        QCOMPARE(seams->messages.shown[1].text, ContractRenumbering::renumberedText(1, 2));
        QCOMPARE(seams->messages.shown[3].text, ContractRenumbering::renumberedText(1, 3));
    }

    // Another station saving contracts all the while, numbered as this screen
    // numbers them: every contract of either station gets a number of its own.
    void aStationSavingAtTheSameMomentTakesOtherNumbers() {
        constexpr int theirs = 400;
        const QString go = seams->folder.file(QStringLiteral("via"));
        QProcess other;
        other.start(QStringLiteral(CONCURRENT_WRITER),
                    {QStringLiteral("contracts"), seams->folder.file(kArchive),
                     QStringLiteral("Altra postazione"), QString::number(theirs), go});
        QVERIFY(other.waitForStarted());
        type(screen->txtDitta, QStringLiteral("Pulito Srl"));
        QVERIFY(QFile(go).open(QIODevice::WriteOnly));
        // Saving for as long as the other station writes (and a few more).
        int mine = 0;
        for (; mine < 10 || (other.state() != QProcess::NotRunning && mine < 2000); ++mine) {
            screen->cmdNuovo->click();
            screen->txtCliente->setText(QStringLiteral("Cliente %1").arg(mine));
            screen->cmdSalva->click();
            QCOMPARE(last().text, kInserted);
        }
        QVERIFY(other.waitForFinished(120000));
        QCOMPARE(other.exitCode(), 0);
        const QByteArray bytes = archive();
        QCOMPARE(bytes.size(), (theirs + mine) * kSize);
        for (int n = 1; n <= theirs + mine; ++n)
            QCOMPARE(stored(bytes, n, NumContratto), QByteArray::number(n));
    }

    // A duplicate gets no number: the one typed is saved whatever the count.
    void aDuplicateKeepsTheNumberTyped() {
        writeArchive(threeContracts());
        screen->cmdNuovo->click(); // proposes 4, then the card is left for a stored one
        screen->cmdUltimo->click();
        screen->cmdDuplica->click();
        type(screen->txtNumContratto, QStringLiteral("4"));
        RecordFile other(seams->folder.file(kArchive), kSize);
        QVERIFY(other.open() && other.append(contract({{NumContratto, "4"}, {Cliente, "Altra"}})));
        other.close();
        seams->messages.clear();
        screen->cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(last().text, kInserted);
        QCOMPARE(stored(archive(), 5, NumContratto), QByteArray("4"));
    }

    // A saved card is exactly the record written by hand: each field trimmed,
    // in its place, the rest of every field zero.
    void savedRecordBytes() {
        writeArchive(threeContracts());
        type(screen->txtDitta, QStringLiteral("  Pulito Srl  "));
        type(screen->txtPartitaIva, QStringLiteral("12a345"));
        screen->cmdNuovo->click();
        QCOMPARE(screen->txtNumContratto->text(), QStringLiteral("4"));
        type(screen->txtCodFiscCli, QStringLiteral("bnc"));
        type(screen->txtProvCli->lineEdit(), QStringLiteral("rm"));
        type(screen->txtCliente, QStringLiteral("Bianchi Lucia"));
        type(screen->txtViaCli, QStringLiteral("Via Roma 3"));
        screen->txtQualitaCli->setFocus();
        QTest::keyClicks(screen->txtQualitaCli->lineEdit(), QStringLiteral("Settimanale"));
        screen->txtImpCanone->clear();
        type(screen->txtImpCanone, QStringLiteral("1250,5"));
        type(screen->txtOpInc[0], QStringLiteral("Pulizia pavimenti"));
        type(screen->txtOpEsc[3], QStringLiteral("Lavaggio moquette"));
        screen->txtPagamento->setFocus(); // leaving the fee normalises it
        QCOMPARE(screen->txtImpCanone->text(), QStringLiteral("1250,50"));
        screen->cmdSalva->click();
        QCOMPARE(last().kind, MessageKind::Information);
        QCOMPARE(last().text, kInserted);
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("4"));

        const QByteArray expected = contract({{NumContratto, "4"},
                                              {Data, "15/03/2024"},
                                              {Ditta, "Pulito Srl"},
                                              {PartitaIva, "12345"},
                                              {Cliente, "Bianchi Lucia"},
                                              {ProvCli, "RM"},
                                              {CodFiscCli, "BNC"},
                                              {ViaCli, "Via Roma 3"},
                                              {QualitaCli, "Settimanale"},
                                              {ImpCanone, "1250,50"},
                                              {OpInc01, "Pulizia pavimenti"},
                                              {OpEsc04, "Lavaggio moquette"}});
        QCOMPARE(archive().size(), 4 * kSize);
        QCOMPARE(archive().mid(3 * kSize), expected);
        QCOMPARE(archive().left(3 * kSize), join(threeContracts()));

        // Saving again overwrites record 4.
        screen->txtTelCli->setText(QStringLiteral("06 555"));
        screen->cmdSalva->click();
        QCOMPARE(last().text, kUpdated);
        QCOMPARE(archive().size(), 4 * kSize);
        QCOMPARE(stored(archive(), 4, TelCli), QByteArray("06 555"));
    }

    // Accented letters and the euro sign are stored in Windows-1252; a value
    // longer than its field is cut to the field.
    void encodingAndWidths() {
        type(screen->txtDitta, QStringLiteral("Però & Figli"));
        screen->cmdNuovo->click();
        screen->txtCliente->setText(QStringLiteral("Società € Sì"));
        screen->txtLuogo->setText(QString(55, QLatin1Char('x')));
        QCOMPARE(screen->txtLuogo->text().size(), 50); // cannot be typed longer
        screen->cmdSalva->click();
        QCOMPARE(stored(archive(), 1, Ditta), QByteArray("Per\xf2 & Figli"));
        QCOMPARE(stored(archive(), 1, Cliente), QByteArray("Societ\xe0 \x80 S\xec"));
        QCOMPARE(stored(archive(), 1, Luogo), QByteArray(50, 'x'));
    }

    void saveChecks_data() {
        QTest::addColumn<QString>("ditta");
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        const QString noDate = QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter "
                                              "salvare la scheda è necessario indicare "
                                              "una data valida nel formato gg/mm/anno.");
        QTest::newRow("company and client empty: the company")
            << ""
            << ""
            << "1"
            << "01/02/2024" << need + "la denominazione dell'impresa di pulizie."
            << "txtDitta";
        QTest::newRow("client") << "D"
                                << "   "
                                << "1"
                                << "01/02/2024" << need + "il nome o la ragione sociale del cliente."
                                << "txtCliente";
        QTest::newRow("number") << "D"
                                << "C"
                                << ""
                                << "01/02/2024" << need + "il numero progressivo del contratto."
                                << "txtNumContratto";
        QTest::newRow("date of blanks") << "D"
                                        << "C"
                                        << "1"
                                        << "   " << need + "la data di stipula del contratto."
                                        << "txtData";
        QTest::newRow("31/02/2024") << "D"
                                    << "C"
                                    << "1"
                                    << "31/02/2024" << noDate << "txtData";
        QTest::newRow("12/13/2024") << "D"
                                    << "C"
                                    << "1"
                                    << "12/13/2024" << noDate << "txtData";
        QTest::newRow("words") << "D"
                               << "C"
                               << "1"
                               << "domani" << noDate << "txtData";
    }
    void saveChecks() {
        QFETCH(QString, ditta);
        QFETCH(QString, cliente);
        QFETCH(QString, numero);
        QFETCH(QString, data);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        screen->txtDitta->setText(ditta);
        screen->txtCliente->setText(cliente);
        screen->txtNumContratto->setText(numero);
        screen->txtData->setText(data);
        screen->cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(last().kind, MessageKind::Warning);
        QCOMPARE(last().text, warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!QFile::exists(seams->folder.file(kArchive)) || archive().isEmpty());
    }

    // A one-digit day and month read as a date; the date is stored as typed.
    void shortDateIsStoredAsTyped() {
        screen->txtDitta->setText(QStringLiteral("D"));
        screen->txtCliente->setText(QStringLiteral("C"));
        screen->txtNumContratto->setText(QStringLiteral("9"));
        screen->txtData->setText(QStringLiteral("1/2/2024"));
        screen->cmdSalva->click();
        QCOMPARE(last().text, kInserted);
        QCOMPARE(stored(archive(), 1, Data), QByteArray("1/2/2024"));
    }

    void browsing_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("startAt");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("message");
        QTest::newRow("first, empty") << 0 << ""
                                      << "cmdPrimo"
                                      << "" << kEmpty;
        QTest::newRow("last, empty") << 0 << ""
                                     << "cmdUltimo"
                                     << "" << kEmpty;
        QTest::newRow("next, empty: position emptied") << 0 << "2"
                                                       << "cmdAvanti"
                                                       << "" << kEmpty;
        QTest::newRow("previous, empty") << 0 << ""
                                         << "cmdIndietro"
                                         << "" << kEmpty;
        QTest::newRow("previous at 1: nothing") << 0 << "1"
                                                << "cmdIndietro"
                                                << "1"
                                                << "";
        QTest::newRow("first") << 3 << ""
                               << "cmdPrimo"
                               << "1"
                               << "";
        QTest::newRow("last") << 3 << ""
                              << "cmdUltimo"
                              << "3"
                              << "";
        QTest::newRow("next on a new card") << 3 << ""
                                            << "cmdAvanti"
                                            << "1"
                                            << "";
        QTest::newRow("next") << 3 << "1"
                              << "cmdAvanti"
                              << "2"
                              << "";
        QTest::newRow("next at the last: nothing") << 3 << "3"
                                                   << "cmdAvanti"
                                                   << "3"
                                                   << "";
        QTest::newRow("previous on a new card") << 3 << ""
                                                << "cmdIndietro"
                                                << "1"
                                                << "";
        QTest::newRow("previous") << 3 << "3"
                                  << "cmdIndietro"
                                  << "2"
                                  << "";
    }
    void browsing() {
        QFETCH(int, records);
        QFETCH(QString, startAt);
        QFETCH(QString, command);
        QFETCH(QString, position);
        QFETCH(QString, message);
        writeArchive(threeContracts().mid(0, records));
        screen->lblPosizione->setText(startAt);
        screen->findChild<QToolButton *>(command)->click();
        QCOMPARE(screen->lblPosizione->text(), position);
        if (message.isEmpty()) {
            QVERIFY(seams->messages.shown.isEmpty());
        } else {
            QCOMPARE(seams->messages.shown.size(), 1);
            QCOMPARE(last().kind, MessageKind::Information);
            QCOMPARE(last().text, message);
        }
        if (position == QLatin1String("2") && records == 3) {
            QCOMPARE(screen->txtCliente->text(), QStringLiteral("Due"));
            QCOMPARE(screen->txtImpCanone->text(), QStringLiteral("80,00"));
            QCOMPARE(screen->lblFile[0]->text(), QStringLiteral("contratto_due.pdf"));
        }
    }

    // An archive that cannot be opened: an error for some commands, a warning for others.
    void archiveFailureKinds_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("kind");
        QTest::newRow("Salva") << "cmdSalva" << int(MessageKind::Warning);
        QTest::newRow("Primo") << "cmdPrimo" << int(MessageKind::Warning);
        QTest::newRow("Nuovo") << "cmdNuovo" << int(MessageKind::Error);
        QTest::newRow("Duplica") << "cmdDuplica" << int(MessageKind::Error);
        QTest::newRow("Avanti") << "cmdAvanti" << int(MessageKind::Error);
        QTest::newRow("Indietro") << "cmdIndietro" << int(MessageKind::Error);
        QTest::newRow("Ultimo") << "cmdUltimo" << int(MessageKind::Error);
    }
    void archiveFailureKinds() {
        QFETCH(QString, command);
        QFETCH(int, kind);
        QVERIFY(QDir(seams->folder.path()).mkdir(kArchive));
        screen->txtDitta->setText(QStringLiteral("D"));
        screen->txtCliente->setText(QStringLiteral("C"));
        screen->txtNumContratto->setText(QStringLiteral("1"));
        screen->lblPosizione->setText(QStringLiteral("2"));
        screen->findChild<QToolButton *>(command)->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(int(last().kind), kind);
        QCOMPARE(last().text, CardScreen::archiveFailureText());
    }

    void duplicateKeepsTheAttachments() {
        writeArchive(threeContracts());
        screen->cmdDuplica->click(); // a new card
        QCOMPARE(last().kind, MessageKind::Warning);
        QCOMPARE(last().text,
                 QStringLiteral(
                     "Attenzione: questa funzione serve a duplicare un contratto che è già stato salvato "
                     "in archivio.\n\r\n\rVisualizzare il contratto da duplicare e fare clic sul "
                     "pulsante Duplica."));
        screen->cmdPrimo->click();
        screen->cmdAvanti->click();
        screen->cmdDuplica->click();
        QCOMPARE(last().kind, MessageKind::Information);
        QCOMPARE(last().text,
                 QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                "corrente.\n\r\n\rAl termine premere Salva per inserire in archivio il "
                                "nuovo contratto."));
        QCOMPARE(screen->lblPosizione->text(), QString());
        QCOMPARE(screen->txtNumContratto->text(), QString());
        QCOMPARE(screen->txtData->text(), QStringLiteral("15/03/2024"));
        QCOMPARE(screen->txtCliente->text(), QStringLiteral("Due"));
        QCOMPARE(screen->lblFile[0]->text(), QStringLiteral("contratto_due.pdf"));
        QCOMPARE(screen->lblDesc[0]->text(), QStringLiteral("Copia firmata"));
        QCOMPARE(screen->focusWidget(), screen->txtCliente);
        screen->cmdSalva->click(); // no number yet
        QCOMPARE(last().text,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero "
                                "progressivo del contratto."));
        screen->txtNumContratto->setText(QStringLiteral("4"));
        screen->cmdSalva->click();
        QCOMPARE(last().text, kInserted);
        QCOMPARE(stored(archive(), 4, File01), QByteArray("contratto_due.pdf"));
        QCOMPARE(stored(archive(), 4, Desc01), QByteArray("Copia firmata"));
        QCOMPARE(stored(archive(), 4, Data), QByteArray("15/03/2024"));
    }

    void feeOnLeaving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5") << "5"
                           << "5,00";
        QTest::newRow("12,5") << "12,5"
                              << "12,50";
        QTest::newRow("0012,3") << "0012,3"
                                << "12,30";
        QTest::newRow("1,239 stays") << "1,239"
                                     << "1,239";
        QTest::newRow("four decimals") << "1,2345"
                                       << "1,2345";
        QTest::newRow("fifth rounds up") << "1,23455"
                                         << "1,2346";
        QTest::newRow("fifth below 5") << "1,23454"
                                       << "1,2345";
        QTest::newRow("empty") << ""
                               << "0,00";
        QTest::newRow("comma only") << ","
                                    << "0,00";
        QTest::newRow("letters swallowed") << "1a2"
                                           << "12,00";
    }
    void feeOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        screen->txtImpCanone->clear();
        type(screen->txtImpCanone, typed);
        screen->txtPagamento->setFocus();
        QCOMPARE(screen->txtImpCanone->text(), shown);
    }

    // Save takes the texts as they stand: a fee still being typed is stored unnormalised.
    void saveTakesTheFeeAsTyped() {
        screen->txtDitta->setText(QStringLiteral("D"));
        screen->txtCliente->setText(QStringLiteral("C"));
        screen->txtNumContratto->setText(QStringLiteral("1"));
        type(screen->txtImpCanone, QStringLiteral("7"));
        screen->txtImpCanone->setText(QStringLiteral("7"));
        screen->cmdSalva->click();
        QCOMPARE(last().text, kInserted);
        QCOMPARE(stored(archive(), 1, ImpCanone), QByteArray("7"));
    }

    // The client import writes the nine client fields and nothing else.
    void clientImportReplacesNineFields() {
        writeArchive(threeContracts());
        screen->cmdUltimo->click();
        type(screen->txtTipoImpianto, QStringLiteral("Ufficio"));
        Record client(Archives::clients());
        const QList<std::pair<const char *, QString>> values = {{"Cliente", "Verdi Anna"},
                                                                {"ComuneRes", "Cefalù"},
                                                                {"ProvRes", "PA"},
                                                                {"CapRes", "90015"},
                                                                {"PartitaIva", "01234567890"},
                                                                {"CodFisc", "VRDNNA70A41C421X"},
                                                                {"IndirizzoRes", "Via Mare 1"},
                                                                {"Recapito", "0921 123"},
                                                                {"Estremi", "Bonifico"},
                                                                {"TelCel", "333 999"},
                                                                {"Email", "anna@example.it"},
                                                                {"Note", "non copiare"}};
        for (const auto &[field, value] : values)
            client.set(field, value);
        QList<QWidget *> others;
        QStringList before;
        const QSet<QString> nine = {"txtCliente", "txtComuneCli",     "txtProvCli",
                                    "txtCapCli",  "txtPartitaIvaCli", "txtCodFiscCli",
                                    "txtViaCli",  "txtTelCli",        "txtPagamento"};
        for (const CardField &f : screen->card()->definition().fields)
            if (!nine.contains(QLatin1String(f.control)))
                before << screen->card()->text(f.control);
        screen->importClient(client);
        QCOMPARE(screen->txtCliente->text(), QStringLiteral("Verdi Anna"));
        QCOMPARE(screen->txtComuneCli->text(), QStringLiteral("Cefalù"));
        QCOMPARE(screen->txtProvCli->currentText(), QStringLiteral("PA"));
        QCOMPARE(screen->txtCapCli->text(), QStringLiteral("90015"));
        QCOMPARE(screen->txtPartitaIvaCli->text(), QStringLiteral("01234567890"));
        QCOMPARE(screen->txtCodFiscCli->text(), QStringLiteral("VRDNNA70A41C421X"));
        QCOMPARE(screen->txtViaCli->text(), QStringLiteral("Via Mare 1"));
        QCOMPARE(screen->txtTelCli->text(), QStringLiteral("0921 123"));
        QCOMPARE(screen->txtPagamento->text(), QStringLiteral("Bonifico"));
        QStringList after;
        for (const CardField &f : screen->card()->definition().fields)
            if (!nine.contains(QLatin1String(f.control)))
                after << screen->card()->text(f.control);
        QCOMPARE(after, before);
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("3"));
        // Saving now overwrites the contract shown.
        screen->cmdSalva->click();
        QCOMPARE(last().text, kUpdated);
        QCOMPARE(stored(archive(), 3, Cliente), QByteArray("Verdi Anna"));
        QCOMPARE(stored(archive(), 3, TipoImpianto), QByteArray("Ufficio"));
    }

    // Through the real client search: the client double-clicked fills the client block.
    void importThroughTheClientSearch() {
        Record client(Archives::clients());
        client.set("Cliente", QStringLiteral("Neri Paolo"));
        client.set("ComuneRes", QStringLiteral("Lucca"));
        client.set("ProvRes", QStringLiteral("LU"));
        client.set("Estremi", QStringLiteral("Contanti"));
        seams->folder.write(QStringLiteral("Contatti.pro"), client.bytes());
        QString caller;
        whenModal([&](QWidget *w) {
            auto *search = qobject_cast<SearchScreen *>(w);
            QVERIFY(search);
            caller = search->lblMemory->text();
            search->btnCercaClick();
            search->loadLine(0);
            if (search->isVisible())
                search->close();
        });
        screen->cmdImporta->click();
        QCOMPARE(caller, QStringLiteral("contratto"));
        QCOMPARE(screen->txtCliente->text(), QStringLiteral("Neri Paolo"));
        QCOMPARE(screen->txtComuneCli->text(), QStringLiteral("Lucca"));
        QCOMPARE(screen->txtProvCli->currentText(), QStringLiteral("LU"));
        QCOMPARE(screen->txtPagamento->text(), QStringLiteral("Contanti"));
        QCOMPARE(screen->lblPosizione->text(), QString());
    }

    // Allega file opens the attachments screen on this card's six hidden labels.
    void attachmentsScreenGetsTheCardsBlock() {
        writeArchive(threeContracts());
        screen->cmdPrimo->click();
        screen->cmdAvanti->click();
        QString caller, file, desc;
        whenModal([&](QWidget *w) {
            auto *attach = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(attach);
            caller = attach->lblMemory->text();
            file = attach->txtFile01->text();
            desc = attach->txtDesc01->text();
            attach->txtDesc02->setText(QStringLiteral("Planimetria"));
            attach->btnApplicaClick();
        });
        screen->cmdAllega->click();
        QCOMPARE(caller, QStringLiteral("contratti"));
        QCOMPARE(file, QStringLiteral("contratto_due.pdf"));
        QCOMPARE(desc, QStringLiteral("Copia firmata"));
        QCOMPARE(screen->lblDesc[1]->text(), QStringLiteral("Planimetria"));
        screen->cmdSalva->click();
        QCOMPARE(stored(archive(), 2, Desc02), QByteArray("Planimetria"));
    }

    void checkButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opened");
        QTest::newRow("company tax code of eleven digits") << "btnCodFisc"
                                                           << "txtCodFisc"
                                                           << "12345678903"
                                                           << "frmPartitaIva";
        QTest::newRow("company tax code") << "btnCodFisc"
                                          << "txtCodFisc"
                                          << "RSSMRA80A01D704X"
                                          << "frmCodFisc";
        QTest::newRow("empty tax code") << "btnCodFiscCli"
                                        << "txtCodFiscCli"
                                        << ""
                                        << "frmCodFisc";
        QTest::newRow("client tax code with a letter") << "btnCodFiscCli"
                                                       << "txtCodFiscCli"
                                                       << "1234567890A"
                                                       << "frmCodFisc";
        QTest::newRow("client VAT number") << "btnPartitaIvaCli"
                                           << "txtPartitaIvaCli"
                                           << "12345678903"
                                           << "frmPartitaIva";
        QTest::newRow("company VAT number") << "btnPartitaIva"
                                            << "txtPartitaIva"
                                            << ""
                                            << "frmPartitaIva";
    }
    void checkButtons() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, opened);
        screen->findChild<QLineEdit *>(field)->setText(text);
        QString seen, value;
        whenModal([&](QWidget *w) {
            seen = w->objectName();
            if (auto *e = w->findChild<QLineEdit *>(opened == QLatin1String("frmCodFisc") ? "txtCodFisc"
                                                                                          : "txtPartitaIva"))
                value = e->text();
            w->close();
        });
        screen->findChild<QToolButton *>(button)->click();
        QCOMPARE(seen, opened);
        QCOMPARE(value, text);
    }

    void helpShowsTheScreensText() {
        QString title, text;
        whenModal([&](QWidget *w) {
            title = w->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text();
            text = w->findChild<QPlainTextEdit *>()->toPlainText();
            w->close();
        });
        screen->cmdGuida->click();
        QCOMPARE(title, QStringLiteral("App Stesura Contratti"));
        QVERIFY(text.contains(
            QStringLiteral("premere il pulsante con la scritta \"N.\" e indicare il numero iniziale.")));
    }

    // The main menu's "STESURA CONTRATTI PULIZIE" opens the screen; closing it shows the menu again.
    void openedFromTheMainMenu() {
        seams->folder.write(kIni, "[Ditta Pulizie]\r\nDenominazione=Splendor\r\n");
        const Tersalia::Screens screens = Tersalia::createScreens();
        screens.avvio->show();
        QToolButton *button = screens.avvio->moduleButton(4);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->objectName(), QStringLiteral("imgApp04"));
        button->click();
        QVERIFY(screens.contratto->isVisible());
        QVERIFY(!screens.avvio->isVisible());
        QCOMPARE(screens.contratto->txtDitta->text(), QStringLiteral("Splendor"));
        screens.contratto->cmdEsci->click();
        QVERIFY(!screens.contratto->isVisible());
        QVERIFY(screens.avvio->isVisible());
        Tersalia::destroyScreens();
    }

    void hints() {
        const struct {
            QWidget *w;
            const char *hint;
        } cases[] = {{screen->cmdNumerazione, "Imposta il numero iniziale per la numerazione dei contratti."},
                     {screen->btnData, "Inserisci la data corrente."},
                     {screen->cmdLogo, "Carica il logo della Ditta Pulizie."}};
        for (const auto &c : cases) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(c.w, &enter);
            QCOMPARE(screen->panInfo->text(), QString::fromUtf8(c.hint));
        }
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(screen->findChild<QWidget *>(QStringLiteral("panCondizioni")), &move);
        QCOMPARE(screen->panInfo->text(), QString());
        screen->txtData->clear();
        screen->btnData->click();
        QCOMPARE(screen->txtData->text(), QStringLiteral("15/03/2024"));
    }

    // At the office screen sizes every row keeps its natural height: no field
    // or caption overlaps another, none is squeezed, the wrapped activity
    // headings are whole, the fields of the bands under each other start at the
    // same place, and the commands, the hint panel and the navigation stay in
    // the window.
    void layoutAtOfficeSizes_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("allInView");
        QTest::newRow("1366x768") << QSize(1366, 768) << false;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << true;
    }
    void layoutAtOfficeSizes() {
        QFETCH(QSize, size);
        QFETCH(bool, allInView);
        screen->resize(size);
        QTRY_COMPARE(screen->size(), size);
        auto *area = screen->findChild<QScrollArea *>(QStringLiteral("scrSezioni"));
        QVERIFY(area);
        QWidget *sheet = area->widget();
        const QRect window = screen->rect();

        QList<QWidget *> parts;
        for (QWidget *w : sheet->findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            auto *label = qobject_cast<QLabel *>(w);
            if (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()))
                parts.append(w);
            else if (qobject_cast<QComboBox *>(w) || qobject_cast<QToolButton *>(w))
                parts.append(w);
            else if (label && label->property("role") == QStringLiteral("caption"))
                parts.append(w);
        }
        QVERIFY(parts.size() > 90);
        auto rectOf = [sheet](QWidget *w) { return QRect(w->mapTo(sheet, QPoint(0, 0)), w->size()); };
        for (QWidget *w : parts) {
            const int needed =
                w->hasHeightForWidth() ? w->heightForWidth(w->width()) : w->sizeHint().height();
            QVERIFY2(w->height() >= qMin(needed, w->maximumHeight()),
                     qPrintable(w->objectName() + w->property("text").toString()));
            QVERIFY2(rectOf(w).right() < sheet->width(), qPrintable(w->objectName()));
            for (QWidget *other : parts)
                if (other != w)
                    QVERIFY2(!rectOf(w).intersects(rectOf(other)),
                             qPrintable(w->objectName() + w->property("text").toString() + " / " +
                                        other->objectName() + other->property("text").toString()));
        }
        const int left = rectOf(screen->txtDitta).left();
        for (QWidget *w :
             {screen->txtComuneCli, screen->txtViaCli, screen->txtTipoImpianto, screen->txtImpCanone})
            QCOMPARE(rectOf(w).left(), left);
        QCOMPARE(rectOf(screen->txtCodFiscCli).left(), rectOf(screen->txtMarca).left());

        QVERIFY(area->horizontalScrollBar()->maximum() == 0);
        QCOMPARE(area->verticalScrollBar()->maximum() == 0, allInView);
        for (QWidget *w :
             {static_cast<QWidget *>(screen->cmdNuovo), static_cast<QWidget *>(screen->cmdEsci),
              static_cast<QWidget *>(screen->panInfo), static_cast<QWidget *>(screen->cmdUltimo)}) {
            QVERIFY(w->isVisible());
            QVERIFY2(window.contains(QRect(w->mapTo(screen, QPoint(0, 0)), w->size())),
                     w->objectName().toLatin1());
        }
    }

    // On a low screen Enter and Tab bring the field that takes the focus into
    // view, and Tab walks the fields in the Enter order (the included
    // activities before the excluded ones), the scroll area never taking the
    // focus itself.
    void focusedFieldComesIntoView() {
        screen->resize(1366, 768);
        QTRY_COMPARE(screen->size(), QSize(1366, 768));
        auto *area = screen->findChild<QScrollArea *>(QStringLiteral("scrSezioni"));
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        auto inView = [area](QWidget *w) {
            const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
            return area->viewport()->rect().contains(r);
        };
        screen->txtOpEsc[2]->setFocus();
        QTest::keyClick(screen->txtOpEsc[2], Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), screen->txtOpEsc[3]);
        QVERIFY(inView(screen->txtOpEsc[3]));
        QTest::keyClick(screen->txtOpEsc[3], Qt::Key_Return); // wraps to the first field
        QTRY_COMPARE(QApplication::focusWidget(), screen->txtDitta);
        QVERIFY(inView(screen->txtDitta));

        const QStringList order = {
            "txtDitta",         "txtPartitaIva",  "txtCodFisc",         "txtSede",       "txtProvRes",
            "txtCapRes",        "txtVia",         "txtTelUff",          "txtTelCel",     "txtFax",
            "txtNumContratto",  "txtData",        "txtLuogo",           "txtCliente",    "txtComuneCli",
            "txtProvCli",       "txtCapCli",      "txtPartitaIvaCli",   "txtCodFiscCli", "txtViaCli",
            "txtTelCli",        "txtQualitaCli",  "txtTipoImpianto",    "txtMarca",      "txtMatricola",
            "txtAlimentazione", "txtAnnoCostruz", "txtCaratteristiche", "txtUbicazione", "txtDurata",
            "txtTotale",        "txtPeriodicita", "txtImpCanone",       "txtPagamento",  "txtOpInc01",
            "txtOpInc02",       "txtOpInc03",     "txtOpInc04",         "txtOpEsc01",    "txtOpEsc02",
            "txtOpEsc03",       "txtOpEsc04"};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
            QVERIFY2(inView(QApplication::focusWidget()), qPrintable(order[i]));
        }
    }
};

QTEST_MAIN(TstContratto)
#include "tst_contratto.moc"
