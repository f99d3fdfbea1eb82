// The four check screens driven as their openers will drive them: opened
// modally with a value, typed into, checked; the message read back and the
// screen found open or closed.
#include "TestEnv.h"
#include "validators/Carta.h"
#include "validators/CodFisc.h"
#include "validators/Iban.h"
#include "validators/PartitaIVA.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(MessageKind)

namespace {

const QString kVALIDO = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kCfERRATO = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kCfLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kIvaLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kIvaERRATO =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che "
                   "lo ha rilasciato.");
const QString kCardEmpty =
    QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                   "pulsante di controllo.");
const QString kCardERRATO =
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                   "possibile fornire informazioni relative al tipo di carta di credito.");
const QString kIbanLength =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kIbanVALIDO = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanERRATO = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

QString ivaValid(const QString &office) {
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                          "dall'Ufficio IVA del Comune di ") +
           office + QStringLiteral(".");
}

QString cardValid(const QString &number, const QString &type) {
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + type +
           QStringLiteral(".");
}

// What one check did.
struct Run {
    QList<ShownMessage> shown;
    QString fieldText;         // the field when Controlla was pressed
    bool stayedOpen = false;   // after the message
    bool fieldFocused = false; // the focus back in the field
    bool destroyed = false;    // nothing left behind once the opener returns
};

// Opens Screen as its openers do, types into its field, presses Controlla.
template <class Screen> Run runCheck(QLineEdit *Screen::*field, const QString &opened, const QString &typed) {
    Run run;
    ScriptedMessages messages;
    QWidget owner;
    whenModal([&](QWidget *modal) {
        auto *screen = qobject_cast<Screen *>(modal);
        if (!screen) {
            modal->close();
            return;
        }
        QLineEdit *edit = screen->*field;
        // The opener's value comes selected; the user goes to its end to add to it.
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, typed);
        run.fieldText = edit->text();
        screen->btnControlla->click();
        run.stayedOpen = screen->isVisible();
        run.fieldFocused = screen->focusWidget() == edit;
        if (run.stayedOpen)
            screen->btnChiudi->click();
    });
    Screen::check(&owner, opened);
    run.shown = messages.shown;
    run.destroyed = owner.findChildren<Screen *>().isEmpty();
    return run;
}

void addColumns() {
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
}

void verify(const Run &run) {
    QFETCH(QString, field);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    QCOMPARE(run.fieldText, field);
    QCOMPARE(run.shown.size(), 1);
    QCOMPARE(run.shown.first().kind, kind);
    QCOMPARE(run.shown.first().text, message);
    QCOMPARE(run.stayedOpen, staysOpen);
    if (staysOpen)
        QVERIFY(run.fieldFocused);
    QVERIFY(run.destroyed);
}

} // namespace

class TestCheckScreens : public QObject {
    Q_OBJECT
private slots:
    void screens_data();
    void screens();
    void enterMovesToControlla_data();
    void enterMovesToControlla();
    void digitsOnlyKeys_data();
    void digitsOnlyKeys();
    void pastedTextReachesTheCheck();
    void codFisc_data();
    void codFisc();
    void partitaIva_data();
    void partitaIva();
    void taxCodeButtonRouting_data();
    void taxCodeButtonRouting();
    void carta_data();
    void carta();
    void iban_data();
    void iban();
};

// Captions, texts and limits of the four screens; no close box.
void TestCheckScreens::screens_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("CodFisc") << "CodFisc"
                             << " Controllo codice fiscale"
                             << "Immettere il codice fiscale e premere il pulsante di controllo."
                             << "txtCodFisc" << 16;
    QTest::newRow("PartitaIva") << "PartitaIva"
                                << " Controllo partita IVA"
                                << "Immettere il numero di partita IVA e premere il pulsante di controllo."
                                << "txtPartitaIva" << 11;
    QTest::newRow("Carta") << "Carta"
                           << " Controllo carta di credito"
                           << "Immettere il numero di carta di credito e premere il pulsante di controllo."
                           << "txtNumero" << 30;
    QTest::newRow("Iban") << "Iban"
                          << " Controllo IBAN"
                          << "Immettere l'IBAN e premere il pulsante di controllo."
                          << "txtIban" << 27;
}

static CheckScreen *makeScreen(const QString &which, QWidget *parent) {
    if (which == QLatin1String("CodFisc"))
        return new TfrmCodFisc(parent);
    if (which == QLatin1String("PartitaIva"))
        return new TfrmPartitaIva(parent);
    if (which == QLatin1String("Carta"))
        return new TfrmCarta(parent);
    return new TfrmIban(parent);
}

void TestCheckScreens::screens() {
    QFETCH(QString, which);
    QFETCH(QString, caption);
    QFETCH(QString, instruction);
    QFETCH(QString, fieldName);
    QFETCH(int, maxLength);
    QWidget owner;
    CheckScreen *screen = makeScreen(which, &owner);
    QCOMPARE(screen->parent(), &owner);
    QCOMPARE(screen->windowTitle(), caption);
    QCOMPARE(screen->lblTitolo->text(), instruction);
    QCOMPARE(screen->btnControlla->text(), QStringLiteral("Controlla"));
    QCOMPARE(screen->btnChiudi->text(), QStringLiteral("Chiudi"));
    auto *field = screen->findChild<QLineEdit *>(fieldName);
    QVERIFY(field);
    QCOMPARE(field->maxLength(), maxLength);
    const Qt::WindowFlags flags = screen->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    // Only the close box: no minimise, no maximise.
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The field has the focus when the screen opens.
    bool focused = false;
    whenModal([&](QWidget *modal) {
        focused = modal->focusWidget() == field;
        static_cast<CheckScreen *>(modal)->btnChiudi->click();
    });
    screen->exec();
    QVERIFY(focused);
}

void TestCheckScreens::enterMovesToControlla_data() { screens_data(); }

// Enter in the field hands the focus to Controlla; Enter there runs the check.
void TestCheckScreens::enterMovesToControlla() {
    QFETCH(QString, which);
    QFETCH(QString, fieldName);
    ScriptedMessages messages;
    QWidget owner;
    CheckScreen *screen = makeScreen(which, &owner);
    auto *field = screen->findChild<QLineEdit *>(fieldName);
    bool movedWithoutChecking = false;
    bool checked = false;
    whenModal([&](QWidget *) {
        QTest::keyClicks(field, QStringLiteral("1234"));
        QTest::keyClick(field, Qt::Key_Return);
        movedWithoutChecking = screen->focusWidget() == screen->btnControlla && messages.shown.isEmpty() &&
                               field->text() == QLatin1String("1234");
        QTest::keyClick(screen->btnControlla, Qt::Key_Return);
        checked = messages.shown.size() == 1;
        if (screen->isVisible())
            screen->btnChiudi->click();
    });
    screen->exec();
    QVERIFY(movedWithoutChecking);
    QVERIFY(checked);
}

void TestCheckScreens::digitsOnlyKeys_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("PartitaIva") << "PartitaIva"
                                << "txtPartitaIva";
    QTest::newRow("Carta") << "Carta"
                           << "txtNumero";
}

// Letters, blanks and punctuation are swallowed; Backspace, Delete, Left and
// Right edit as usual.
void TestCheckScreens::digitsOnlyKeys() {
    QFETCH(QString, which);
    QFETCH(QString, fieldName);
    QWidget owner;
    CheckScreen *screen = makeScreen(which, &owner);
    auto *field = screen->findChild<QLineEdit *>(fieldName);
    QTest::keyClicks(field, QStringLiteral("1a2 B3-4.5,6/7#8"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Egrave, Qt::NoModifier, QStringLiteral("è"));
    QApplication::sendEvent(field, &accented);
    QCOMPARE(field->text(), QStringLiteral("12345678"));
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Backspace); // removes 6
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClick(field, Qt::Key_Delete); // removes 8
    QTest::keyClicks(field, QStringLiteral("9"));
    QCOMPARE(field->text(), QStringLiteral("123457"
                                           "9"));
}

// A text pasted with a letter among eleven characters is judged, not refused.
void TestCheckScreens::pastedTextReachesTheCheck() {
    QApplication::clipboard()->setText(QStringLiteral("0074311A157"));
    if (QApplication::clipboard()->text() != QLatin1String("0074311A157"))
        QSKIP("no clipboard on this platform");
    ScriptedMessages messages;
    QWidget owner;
    QString pasted;
    whenModal([&](QWidget *modal) {
        auto *screen = qobject_cast<TfrmPartitaIva *>(modal);
        QVERIFY(screen);
        QTest::keyClick(screen->txtPartitaIva, Qt::Key_V, Qt::ControlModifier);
        pasted = screen->txtPartitaIva->text();
        screen->btnControlla->click();
        if (screen->isVisible())
            screen->btnChiudi->click();
    });
    TfrmPartitaIva::check(&owner, QString());
    QCOMPARE(pasted, QStringLiteral("0074311A157"));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().text, kIvaERRATO);
}

void TestCheckScreens::codFisc_data() {
    addColumns();
    const auto W = MessageKind::Warning;
    const auto I = MessageKind::Information;
    QTest::newRow("typed in lower case") << ""
                                         << "rssmra85t10a562s"
                                         << "RSSMRA85T10A562S" << I << kVALIDO << false;
    QTest::newRow("opened valid") << "MRTMTT25D09F205Z"
                                  << ""
                                  << "MRTMTT25D09F205Z" << I << kVALIDO << false;
    QTest::newRow("leading blanks typed") << ""
                                          << "  vrdlgu70m52h501p"
                                          << "VRDLGU70M52H501P" << I << kVALIDO << false;
    QTest::newRow("fifteen characters") << "RSSMRA85T10A562"
                                        << ""
                                        << "RSSMRA85T10A562" << W << kCfLength << true;
    QTest::newRow("seventeen from the opener") << "RSSMRA85T10A562SX"
                                               << ""
                                               << "RSSMRA85T10A562SX" << W << kCfLength << true;
    QTest::newRow("typing stops at sixteen") << ""
                                             << "RSSMRA85T10A562SX"
                                             << "RSSMRA85T10A562S" << I << kVALIDO << false;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << W << kCfLength << true;
    QTest::newRow("last letter changed") << "RSSMRA85T10A562T"
                                         << ""
                                         << "RSSMRA85T10A562T" << W << kCfERRATO << false;
    QTest::newRow("changed while typing") << "RSSMRA85T10A562"
                                          << "t"
                                          << "RSSMRA85T10A562T" << W << kCfERRATO << false;
    // Blanks inside stay and count as characters; a blank has no value.
    QTest::newRow("blank inside, sixteen") << "RSSMRA 5T10A562Z"
                                           << ""
                                           << "RSSMRA 5T10A562Z" << W << kCfERRATO << false;
    QTest::newRow("blank inside, seventeen") << "RSS MRA85T10A562S"
                                             << ""
                                             << "RSS MRA85T10A562S" << W << kCfLength << true;
    // While typing a blank at the end is trimmed at once, so it never lands inside.
    QTest::newRow("blank typed") << ""
                                 << "RSSMRA 85T10A562S"
                                 << "RSSMRA85T10A562S" << I << kVALIDO << false;
    QTest::newRow("accented letter") << "RSSMRÀ85T10A562S"
                                     << ""
                                     << "RSSMRÀ85T10A562S" << W << kCfERRATO << false;
}

void TestCheckScreens::codFisc() {
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    verify(runCheck<TfrmCodFisc>(&TfrmCodFisc::txtCodFisc, opened, typed));
}

void TestCheckScreens::partitaIva_data() {
    addColumns();
    const auto W = MessageKind::Warning;
    const auto I = MessageKind::Information;
    QTest::newRow("office 015") << ""
                                << "00743110157"
                                << "00743110157" << I << ivaValid("Milano 1") << false;
    QTest::newRow("office 096") << "0000000096"
                                << "8"
                                << "00000000968" << I << ivaValid("Monza (Milano 2)") << false;
    QTest::newRow("office 120") << "01234561205"
                                << ""
                                << "01234561205" << I << ivaValid("Bologna 2") << false;
    QTest::newRow("office 000") << "99999990007"
                                << ""
                                << "99999990007" << I << ivaValid("") << false;
    QTest::newRow("office 150") << "11111111503"
                                << ""
                                << "11111111503" << I << ivaValid("") << false;
    QTest::newRow("eleven zeros") << ""
                                  << "00000000000"
                                  << "00000000000" << I << ivaValid("") << false;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << W << kIvaLength << true;
    QTest::newRow("ten digits") << ""
                                << "0074311015"
                                << "0074311015" << W << kIvaLength << true;
    QTest::newRow("wrong last digit") << "00743110158"
                                      << ""
                                      << "00743110158" << W << kIvaERRATO << false;
    QTest::newRow("letters typed are dropped") << ""
                                               << "IT 0074-3110.157"
                                               << "00743110157" << I << ivaValid("Milano 1") << false;
    QTest::newRow("letter among eleven") << "0074311A157"
                                         << ""
                                         << "0074311A157" << W << kIvaERRATO << false;
    QTest::newRow("twelve from the opener") << "007431101570"
                                            << ""
                                            << "007431101570" << W << kIvaLength << true;
}

void TestCheckScreens::partitaIva() {
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    verify(runCheck<TfrmPartitaIva>(&TfrmPartitaIva::txtPartitaIva, opened, typed));
}

void TestCheckScreens::taxCodeButtonRouting_data() {
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shownText");
    QTest::newRow("eleven digits") << " 00743110157 "
                                   << " Controllo partita IVA"
                                   << "00743110157";
    // Kept whole: the VAT screen reports the length instead of judging 11 of 16 digits.
    QTest::newRow("sixteen digits") << "0074311015712345"
                                    << " Controllo partita IVA"
                                    << "0074311015712345";
    QTest::newRow("tax code") << "RSSMRA85T10A562S"
                              << " Controllo codice fiscale"
                              << "RSSMRA85T10A562S";
    QTest::newRow("digits with a letter") << "0074311015X"
                                          << " Controllo codice fiscale"
                                          << "0074311015X";
    QTest::newRow("empty") << "  "
                           << " Controllo codice fiscale"
                           << "";
}

// A card's tax-code button: digits only go to the VAT number check.
void TestCheckScreens::taxCodeButtonRouting() {
    QFETCH(QString, fieldText);
    QFETCH(QString, caption);
    QFETCH(QString, shownText);
    QWidget owner;
    QString seenCaption, seenText;
    whenModal([&](QWidget *modal) {
        seenCaption = modal->windowTitle();
        auto *screen = qobject_cast<CheckScreen *>(modal);
        QVERIFY(screen);
        seenText = screen->findChild<QLineEdit *>()->text();
        screen->btnChiudi->click();
    });
    TfrmCodFisc::checkTaxCodeField(&owner, fieldText);
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenText, shownText);
    QVERIFY(owner.findChildren<CheckScreen *>().isEmpty());
}

void TestCheckScreens::carta_data() {
    addColumns();
    const auto W = MessageKind::Warning;
    const auto I = MessageKind::Information;
    const QString visa16 = QStringLiteral("4111111111111111");
    QTest::newRow("Visa 16") << "" << visa16 << visa16 << I << cardValid(visa16, "Visa") << false;
    QTest::newRow("Visa 13") << "4222222222222"
                             << ""
                             << "4222222222222" << I << cardValid("4222222222222", "Visa") << false;
    QTest::newRow("American Express")
        << ""
        << "378282246310005"
        << "378282246310005" << I << cardValid("378282246310005", "American Express") << false;
    QTest::newRow("MasterCard") << ""
                                << "5555555555554444"
                                << "5555555555554444" << I << cardValid("5555555555554444", "MasterCard")
                                << false;
    QTest::newRow("Discover") << "6011111111111117"
                              << ""
                              << "6011111111111117" << I << cardValid("6011111111111117", "Discover")
                              << false;
    QTest::newRow("Diners") << "30569309025904"
                            << ""
                            << "30569309025904" << I
                            << cardValid("30569309025904", "Diner's Club / Carte Blanche") << false;
    QTest::newRow("JCB") << "3530111333300000"
                         << ""
                         << "3530111333300000" << I << cardValid("3530111333300000", "JCB") << false;
    QTest::newRow("passes, begins with 2") << ""
                                           << "2223000048400011"
                                           << "2223000048400011" << W << kCardERRATO << false;
    QTest::newRow("passes, begins with 7") << ""
                                           << "7000000000000005"
                                           << "7000000000000005" << W << kCardERRATO << false;
    QTest::newRow("wrong last digit") << ""
                                      << "4111111111111112"
                                      << "4111111111111112" << W << kCardERRATO << false;
    QTest::newRow("passes, begins with 32")
        << ""
        << "3200000000000002"
        << "3200000000000002" << I
        << "Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\n"
           "Il tipo di carta di credito non è riconosciuto."
        << false;
    // Of 25 digits only the first 20 are tested; the message names the whole text.
    QTest::newRow("25 typed, first 20 pass")
        << ""
        << "4000123412341234123012345"
        << "4000123412341234123012345" << I << cardValid("4000123412341234123012345", "Visa") << false;
    QTest::newRow("25 typed, only all 25 pass") << ""
                                                << "4012345678901234567890127"
                                                << "4012345678901234567890127" << W << kCardERRATO << false;
    QTest::newRow("typing stops at 30") << ""
                                        << "4111111111111111000000000000009999"
                                        << "411111111111111100000000000000" << I
                                        << cardValid("411111111111111100000000000000", "Visa") << false;
    QTest::newRow("blanks and dashes typed")
        << ""
        << "4111 1111-1111x1111" << visa16 << I << cardValid(visa16, "Visa") << false;
    QTest::newRow("grouped by the opener")
        << "4111 1111 1111 1111"
        << ""
        << "4111 1111 1111 1111" << I << cardValid("4111 1111 1111 1111", "Visa") << false;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << W << kCardEmpty << true;
    QTest::newRow("only blanks from the opener") << "   "
                                                 << ""
                                                 << "" << W << kCardEmpty << true;
}

void TestCheckScreens::carta() {
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    verify(runCheck<TfrmCarta>(&TfrmCarta::txtNumero, opened, typed));
}

void TestCheckScreens::iban_data() {
    addColumns();
    const auto W = MessageKind::Warning;
    const auto I = MessageKind::Information;
    const QString it = QStringLiteral("IT60X0542811101000000123456");
    QTest::newRow("typed in lower case") << ""
                                         << "it60x0542811101000000123456" << it << I << kIbanVALIDO << false;
    QTest::newRow("opened valid") << "IT48A0306909606100000063497"
                                  << ""
                                  << "IT48A0306909606100000063497" << I << kIbanVALIDO << false;
    QTest::newRow("leading blanks typed")
        << ""
        << "   it60x0542811101000000123456" << it << I << kIbanVALIDO << false;
    QTest::newRow("digits swapped") << ""
                                    << "IT60X0542811101000000123465"
                                    << "IT60X0542811101000000123465" << W << kIbanERRATO << false;
    QTest::newRow("26 characters") << ""
                                   << "IT60X054281110100000012345"
                                   << "IT60X054281110100000012345" << W << kIbanLength << true;
    QTest::newRow("28 from the opener") << "IT60X05428111010000001234567"
                                        << ""
                                        << "IT60X05428111010000001234567" << W << kIbanLength << true;
    QTest::newRow("typing stops at 27") << ""
                                        << "IT60X05428111010000001234567"
                                        << "IT60X0542811101000000123456" << I << kIbanVALIDO << false;
    // The length counts the blanks; the remainder is taken without them.
    QTest::newRow("inner blanks, valid") << "GB82 WEST 1234 5698 7654 32"
                                         << ""
                                         << "GB82 WEST 1234 5698 7654 32" << I << kIbanVALIDO << false;
    QTest::newRow("inner blank, wrong") << "IT60X0542811101000000123 56"
                                        << ""
                                        << "IT60X0542811101000000123 56" << W << kIbanERRATO << false;
    QTest::newRow("grouped Italian, 33") << "IT60 X054 2811 1010 0000 0123 456"
                                         << ""
                                         << "IT60 X054 2811 1010 0000 0123 456" << W << kIbanLength << true;
    QTest::newRow("IBAN in front") << "IBAN GB82WEST12345698765432"
                                   << ""
                                   << "IBAN GB82WEST12345698765432" << I << kIbanVALIDO << false;
    QTest::newRow("hyphen") << ""
                            << "IT60X0542811101000000123-56"
                            << "IT60X0542811101000000123-56" << W << kIbanERRATO << false;
    QTest::newRow("slash") << ""
                           << "IT60X0542811101000000/23456"
                           << "IT60X0542811101000000/23456" << W << kIbanERRATO << false;
    QTest::newRow("another country") << ""
                                     << "DE89370400440532013000"
                                     << "DE89370400440532013000" << W << kIbanLength << true;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << W << kIbanLength << true;
}

void TestCheckScreens::iban() {
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    verify(runCheck<TfrmIban>(&TfrmIban::txtIban, opened, typed));
}

QTEST_MAIN(TestCheckScreens)
#include "tst_CheckScreens.moc"
