// The card mechanism on its own: the amount rule, and the parts of a field
// table the appointment card does not use (shaping while typing, values kept
// by Nuovo, the fee, hooks, archive failures shown as warnings), on a small
// card built here.
#include "TestEnv.h"
#include "core/text/Amounts.h"
#include "ui/widgets/Calendario.h"
#include "NameErrorOf.h"
#include "ui/card/CardScreen.h"
#include "core/platform/Clock.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

namespace {

const RecordLayout &trialLayout() {
    static const RecordLayout layout(
        QStringLiteral("Prova.pro"),
        {{"Nome", 8}, {"Codice", 6}, {"Canone", 15}, {"Ditta", 10}, {"Flag", 2}, {"File", 12}});
    return layout;
}
constexpr int kSize = 9 + 7 + 16 + 11 + 3 + 13;

// A small card: name shaped while typing, a code upper-cased and trimmed on
// leaving, a fee, a company name Nuovo keeps, a flag and a hidden label.
class TrialCard : public QWidget {
public:
    QLineEdit *txtNome, *txtCodice, *txtCanone, *txtDitta;
    QCheckBox *chkFlag;
    QLabel *lblFile, *lblPosizione, *panInfo;
    QToolButton *cmdNuovo, *cmdSalva, *cmdDuplica, *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    CardScreen *card = nullptr;
    QStringList calls; // the hooks, in the order they ran

    explicit TrialCard(std::function<void(CardDefinition &)> adjust = {}) {
        setObjectName(QStringLiteral("frmProva"));
        auto *layout = new QVBoxLayout(this);
        auto edit = [&](const char *name) {
            auto *e = new QLineEdit(this);
            e->setObjectName(QLatin1String(name));
            layout->addWidget(e);
            return e;
        };
        auto button = [&](const char *name) {
            auto *b = new QToolButton(this);
            b->setObjectName(QLatin1String(name));
            b->setFocusPolicy(Qt::NoFocus);
            layout->addWidget(b);
            return b;
        };
        txtNome = edit("txtNome");
        txtCodice = edit("txtCodice");
        txtCanone = edit("txtCanone");
        txtDitta = edit("txtDitta");
        chkFlag = new QCheckBox(this);
        chkFlag->setObjectName(QStringLiteral("chkFlag"));
        lblFile = new QLabel(this);
        lblFile->setObjectName(QStringLiteral("lblFile"));
        lblFile->hide();
        lblPosizione = new QLabel(this);
        lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
        panInfo = new QLabel(QStringLiteral("Pronto"), this);
        panInfo->setObjectName(QStringLiteral("panInfo"));
        cmdNuovo = button("cmdNuovo");
        cmdSalva = button("cmdSalva");
        cmdDuplica = button("cmdDuplica");
        cmdPrimo = button("cmdPrimo");
        cmdIndietro = button("cmdIndietro");
        cmdAvanti = button("cmdAvanti");
        cmdUltimo = button("cmdUltimo");

        CardDefinition d;
        d.layout = &trialLayout();
        d.fields = {
            {.control = "txtNome",
             .field = "Nome",
             .flags = FieldFlag::TrimTyping | FieldFlag::UpperTyping,
             .required = QStringLiteral("Manca il nome.")},
            {.control = "txtCodice",
             .field = "Codice",
             .input = FieldInput::Text,
             .flags = FieldFlag::TrimOnLeave | FieldFlag::UpperOnLeave},
            {.control = "txtCanone",
             .field = "Canone",
             .input = FieldInput::Fee,
             .initial = QStringLiteral("0,00")},
            {.control = "txtDitta", .field = "Ditta", .flags = FieldFlag::KeepOnNew},
            {.control = "chkFlag", .field = "Flag"},
            {.control = "lblFile", .field = "File", .flags = FieldFlag::ResetOnDuplicate},
        };
        d.firstField = "txtNome";
        d.onNew = [this]() { calls << QStringLiteral("new"); };
        d.beforeStore = [this]() {
            calls << QStringLiteral("store");
            return txtCodice->text() != QLatin1String("NO");
        };
        d.afterLoad = [this](qint64 n) { calls << QStringLiteral("load %1").arg(n); };
        d.afterSave = [this](qint64 n) { calls << QStringLiteral("save %1").arg(n); };
        d.afterDuplicate = [this]() { calls << QStringLiteral("duplicate"); };
        if (adjust)
            adjust(d);
        card = new CardScreen(this, std::move(d));
    }
};

} // namespace

class TstCardScreen : public QObject {
    Q_OBJECT
private slots:
    void amountNormalisation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << "" << 2 << "0,00";
        QTest::newRow("blanks") << "   " << 2 << "0,00";
        QTest::newRow("12") << "12" << 2 << "12,00";
        QTest::newRow("12,5") << "12,5" << 2 << "12,50";
        QTest::newRow("12,346") << "12,346" << 2 << "12,35";
        QTest::newRow("0,5") << "0,5" << 2 << "0,50";
        QTest::newRow("0") << "0" << 2 << "0,00";
        QTest::newRow("1234") << "1234" << 2 << "1234,00";
        QTest::newRow("abc") << "abc" << 2 << "0,00";
        // Halves are decided on the typed digits, not on a binary fraction
        // (12,345 and 1,005 lie just below the half as doubles).
        QTest::newRow("12,345") << "12,345" << 2 << "12,35";
        QTest::newRow("1,005") << "1,005" << 2 << "1,01";
        QTest::newRow("1,0049") << "1,0049" << 2 << "1,00";
        QTest::newRow("0,125 rounds up") << "0,125" << 2 << "0,13";
        QTest::newRow("0,004 rounds to zero") << "0,004" << 2 << "0,00";
        QTest::newRow("99,999 carries") << "99,999" << 2 << "100,00";
        QTest::newRow("leading zeros") << "007,1" << 2 << "7,10";
        QTest::newRow("trailing comma") << "15," << 2 << "15,00";
        QTest::newRow("fifteen digits") << "123456789012345" << 2 << "123456789012345,00";
        QTest::newRow("fee 12") << "12" << 4 << "12,00";
        QTest::newRow("fee 12,5") << "12,5" << 4 << "12,50";
        QTest::newRow("fee 0012,3") << "0012,3" << 4 << "12,30";
        QTest::newRow("fee 1,239 stays") << "1,239" << 4 << "1,239";
        QTest::newRow("fee fifth decimal 5") << "1,23455" << 4 << "1,2346";
        QTest::newRow("fee fifth decimal 4") << "1,23454" << 4 << "1,2345";
        QTest::newRow("fee empty") << "" << 4 << "0,00";
        QTest::newRow("fee not a number") << "1,2a" << 4 << "0,00";
    }
    void amountNormalisation() {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(QString, after);
        QCOMPARE(Amounts::normalise(text, decimals), after);
    }

    void fieldsFollowTheirTable() {
        TempProgramFolder folder;
        TrialCard w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.txtNome->maxLength(), 8); // the record field's width
        QCOMPARE(w.txtCanone->maxLength(), 15);

        w.txtNome->setFocus();
        QTest::keyClicks(w.txtNome, QStringLiteral(" rossi "));
        QCOMPARE(w.txtNome->text(), QStringLiteral("ROSSI"));
        QTest::keyClick(w.txtNome, Qt::Key_Return);
        QTest::keyClicks(w.txtCodice, QStringLiteral(" ab c "));
        QCOMPARE(w.txtCodice->text(), QStringLiteral(" ab c ")); // shaped only on leaving
        QTest::keyClick(w.txtCodice, Qt::Key_Return);
        QCOMPARE(w.txtCodice->text(), QStringLiteral("AB C"));
        QCOMPARE(QApplication::focusWidget(), w.txtCanone);
        w.txtCanone->clear();
        QTest::keyClicks(w.txtCanone, QStringLiteral("1,23456"));
        QTest::keyClick(w.txtCanone, Qt::Key_Return);
        QCOMPARE(w.txtCanone->text(), QStringLiteral("1,2346"));
        QTest::keyClicks(w.txtDitta, QStringLiteral("Pulita srl"));
        QTest::keyClick(w.txtDitta, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.txtNome); // the order wraps
    }

    void saveLoadAndTheHooks() {
        TempProgramFolder folder;
        ScriptedMessages messages;
        TrialCard w;
        w.show();
        w.txtNome->setText(QStringLiteral("Anna"));
        w.txtCodice->setText(QStringLiteral("NO"));
        w.cmdSalva->click(); // beforeStore says no: nothing written, no message
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(folder.read(QStringLiteral("Prova.pro")), QByteArray());

        w.txtCodice->setText(QStringLiteral("A1"));
        w.txtDitta->setText(QStringLiteral("Pulita"));
        w.chkFlag->setChecked(true);
        w.lblFile->setText(QStringLiteral("doc.pdf"));
        w.cmdSalva->click();
        const QByteArray file = folder.read(QStringLiteral("Prova.pro"));
        QCOMPARE(file.size(), kSize);
        QCOMPARE(file.mid(0, 5), QByteArray("\x04"
                                            "Anna"));
        QCOMPARE(file.mid(43, 3), QByteArray("\x02S\xec"));
        QCOMPARE(file.mid(46, 8), QByteArray("\x07"
                                             "doc.pdf"));

        w.calls.clear();
        w.cmdNuovo->click();
        QCOMPARE(w.txtNome->text(), QString());
        QCOMPARE(w.txtCanone->text(), QStringLiteral("0,00"));
        QCOMPARE(w.txtDitta->text(), QStringLiteral("Pulita")); // kept by Nuovo
        QVERIFY(!w.chkFlag->isChecked());
        QCOMPARE(w.lblFile->text(), QString());
        w.cmdUltimo->click();
        QCOMPARE(w.lblFile->text(), QStringLiteral("doc.pdf"));
        QVERIFY(w.chkFlag->isChecked());
        w.cmdDuplica->click();
        QCOMPARE(w.lblFile->text(), QString()); // reset by Duplica
        QCOMPARE(w.txtNome->text(), QStringLiteral("Anna"));
        w.cmdSalva->click();
        QCOMPARE(w.calls, QStringList({"new", "load 1", "duplicate", "store", "save 2"}));
        QCOMPARE(folder.read(QStringLiteral("Prova.pro")).size(), 2 * kSize);
    }

    // A card's own Nuovo runs instead of the shared one; the last word on a
    // new record comes with the count of the archive it lands in, and only
    // when a record is appended.
    void aCardsOwnNuovoAndTheLastWordOnAnAppend() {
        TempProgramFolder folder;
        ScriptedMessages messages;
        QList<qint64> counts;
        int ownNew = 0;
        TrialCard w([&](CardDefinition &d) {
            d.newCommand = [&ownNew]() { ++ownNew; };
            d.beforeAppend = [&counts](qint64 count, Record &record) {
                counts << count;
                record.set("Codice", QStringLiteral("N%1").arg(count + 1));
            };
        });
        w.show();
        w.txtNome->setText(QStringLiteral("Anna"));
        w.cmdNuovo->click(); // the card's own: nothing cleared
        QCOMPARE(ownNew, 1);
        QCOMPARE(w.txtNome->text(), QStringLiteral("Anna"));
        QVERIFY(!w.calls.contains(QStringLiteral("new")));
        w.cmdSalva->click();
        const QByteArray file = folder.read(QStringLiteral("Prova.pro"));
        QCOMPARE(file.size(), kSize);
        QCOMPARE(file.mid(9, 3), QByteArray("\x02N1"));
        w.cmdSalva->click(); // now an overwrite: no last word
        QCOMPARE(folder.read(QStringLiteral("Prova.pro")).size(), kSize);
        QCOMPARE(counts, QList<qint64>({0}));
        w.card->newCard();
        w.txtNome->setText(QStringLiteral("Bruno"));
        w.cmdSalva->click();
        QCOMPARE(counts, QList<qint64>({0, 1}));
        QCOMPARE(folder.read(QStringLiteral("Prova.pro")).mid(kSize + 9, 3), QByteArray("\x02N2"));
    }

    // Every name the card's table gives is checked when the card is built, in
    // every kind of build, and a wrong one is told with the card and the name.
    void aWrongNameInTheTableIsTold_data() {
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("told");
        QTest::newRow("control") << "control"
                                 << R"(frmProva: no control named "txtNomee")";
        QTest::newRow("record field") << "record field"
                                      << R"(frmProva: no field "Nomi" in the record of Prova.pro)";
        QTest::newRow("hint") << "hint"
                              << R"(frmProva: no control named "cmdNuov")";
        QTest::newRow("first field") << "first field"
                                     << R"(frmProva: no field of the card is named "txtNom")";
        QTest::newRow("control no band made") << "control no band made"
                                              << R"(frmProva: no band made the control "txtMai")";
        QTest::newRow("row holding another control")
            << "row holding another control"
            << R"(frmProva: the row "txtAltro" holds the control "txtNome")";
    }
    void aWrongNameInTheTableIsTold() {
        QFETCH(QString, wrong);
        QFETCH(QString, told);
        QLineEdit *never = nullptr;
        QLineEdit *existing = nullptr;
        QLineEdit other; // a control of another name than its row's
        other.setObjectName(QStringLiteral("txtNome"));
        const std::map<QString, std::function<void(CardDefinition &)>> wrongs = {
            {"control", [](CardDefinition &d) { d.fields[0].control = "txtNomee"; }},
            {"record field", [](CardDefinition &d) { d.fields[0].field = "Nomi"; }},
            {"hint",
             [](CardDefinition &d) {
                 d.hints = {{"cmdNuov", QStringLiteral("Nuovo.")}};
             }},
            {"first field", [](CardDefinition &d) { d.firstField = "txtNom"; }},
            {"control no band made",
             [&never](CardDefinition &d) { d.fields.append({.member = never, .control = "txtMai"}); }},
            {"row holding another control",
             [&existing, &other](CardDefinition &d) {
                 d.fields.append({.member = existing, .control = "txtAltro"}); // the row empties the member
                 existing = &other;
             }},
        };
        QCOMPARE(nameErrorOf([&] { TrialCard w(wrongs.at(wrong)); }), told);
    }

    void archiveFailuresAsTheCardWants() {
        TempProgramFolder folder;
        ScriptedMessages messages;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Prova.pro")));
        TrialCard w([](CardDefinition &d) {
            d.archiveFailureAsWarning = {CardCommand::Save, CardCommand::First};
            d.duplicateChecksArchive = false;
        });
        w.txtNome->setText(QStringLiteral("Anna"));
        w.cmdSalva->click();
        w.cmdPrimo->click();
        w.cmdUltimo->click();
        QCOMPARE(messages.shown.size(), 3);
        QCOMPARE(messages.shown[0].kind, MessageKind::Warning);
        QCOMPARE(messages.shown[1].kind, MessageKind::Warning);
        QCOMPARE(messages.shown[2].kind, MessageKind::Error);
        for (const ShownMessage &m : messages.shown)
            QCOMPARE(m.text, CardScreen::archiveFailureText());

        // Duplica without the access check works on a card shown earlier.
        messages.clear();
        w.card->setPosition(5);
        w.cmdDuplica->click();
        QCOMPARE(w.lblPosizione->text(), QString());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, MessageKind::Information);
    }

    void calendarWithoutTheMarkDoesNothing() {
        Clock::setFixed(QDateTime(QDate(2024, 7, 14), QTime(8, 0)));
        QLineEdit date;
        date.setText(QStringLiteral("01/01/2024"));
        {
            TfrmCalendario cal;
            QCOMPARE(cal.calAppuntamenti->selectedDate(), QDate(2024, 7, 14));
            cal.show();
            cal.btnImportaData->click();
            QVERIFY(cal.isVisible());
            QCOMPARE(cal.result(), int(QDialog::Rejected));
        }
        {
            TfrmCalendario cal;
            cal.markForAppointmentDate(&date); // opens on the field's date, 01/01/2024
            cal.calAppuntamenti->setSelectedDate(QDate(2024, 7, 14));
            cal.show();
            cal.btnImportaData->click();
            QVERIFY(!cal.isVisible());
            QCOMPARE(date.text(), QStringLiteral("14/07/2024"));
        }
        Clock::setFixed(QDateTime());
    }
};

QTEST_MAIN(TstCardScreen)
#include "tst_cardscreen.moc"
