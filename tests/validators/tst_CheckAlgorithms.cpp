// The four checks as pure functions. The known-valid codes in these tables
// were worked out by hand from the published rules (tax code tables, VAT
// check digit, Luhn, ISO 13616 with whole-number arithmetic), not with the
// functions under test.
#include "validators/CardNumberCheck.h"
#include "validators/IbanCheck.h"
#include "validators/TaxCodeCheck.h"
#include "validators/VatNumberCheck.h"

#include <QtTest>

Q_DECLARE_METATYPE(CardNumberCheck::Outcome)

class TestCheckAlgorithms : public QObject {
    Q_OBJECT
private slots:
    void taxCode_data();
    void taxCode();
    void vatNumber_data();
    void vatNumber();
    void vatOfficeTable_data();
    void vatOfficeTable();
    void vatOfficeTableHolds104Codes();
    void cardNumber_data();
    void cardNumber();
    void ibanRemainder_data();
    void ibanRemainder();
    void ibanValidity_data();
    void ibanValidity();
};

void TestCheckAlgorithms::taxCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");

    // Real-format codes (men, a woman with day + 40, a code with a letter in
    // place of a digit) and their hand-computed check characters.
    QTest::newRow("Rossi Mario") << "RSSMRA85T10A562S" << true;
    QTest::newRow("Moretti Matteo") << "MRTMTT25D09F205Z" << true;
    QTest::newRow("Bianchi Giuseppe") << "BNCGPP80A01F205H" << true;
    QTest::newRow("woman, day 52") << "VRDLGU70M52H501P" << true;
    QTest::newRow("digit replaced by a letter") << "RSSMRA85T10A56NH" << true;
    QTest::newRow("Ferrari Anna") << "FRRNNA99E41L219W" << true;
    QTest::newRow("all zeros") << "000000000000000I" << true;
    QTest::newRow("all letters at the top") << "ZZZZZZ99Z99Z999R" << true;
    QTest::newRow("lower case") << "rssmra85t10a562s" << true;
    QTest::newRow("lower-case check letter") << "RSSMRA85T10A562s" << true;

    QTest::newRow("last letter changed") << "RSSMRA85T10A562T" << false;
    QTest::newRow("first two swapped") << "SRSMRA85T10A562S" << false;
    QTest::newRow("swapped, right check for the swap") << "SRSMRA85T10A562V" << true;
    QTest::newRow("fifteen characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("seventeen characters") << "RSSMRA85T10A562SS" << false;
    QTest::newRow("empty") << "" << false;

    // Punctuation between "9" and "A" is worth nothing in both tables.
    QTest::newRow("fifteen colons") << ":::::::::::::::A" << true;
    QTest::newRow("at sign at position 15") << "RSSMRA85T10A56@N" << true;
    // Outside "0".."Z" there is no value: never valid, even with the letter a
    // lax "count it as 0" rule would expect (Z and N).
    QTest::newRow("blank inside") << "RSSMRA 5T10A562Z" << false;
    QTest::newRow("blank at position 15") << "RSSMRA85T10A56 N" << false;
    QTest::newRow("accented letter") << "RSSMRÀ85T10A562S" << false;
    QTest::newRow("past Z") << "RSSMRA85T10A56[S" << false;
}

void TestCheckAlgorithms::taxCode() {
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(TaxCodeCheck::isValid(code), valid);
    if (valid)
        QCOMPARE(TaxCodeCheck::checkCharacter(code), code.at(15).toUpper());
}

void TestCheckAlgorithms::vatNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("office");

    QTest::newRow("office 015") << "00743110157" << true << "Milano 1";
    QTest::newRow("office 015 again") << "12345670157" << true << "Milano 1";
    QTest::newRow("office 096") << "00000000968" << true << "Monza (Milano 2)";
    QTest::newRow("office 120") << "01234561205" << true << "Bologna 2";
    QTest::newRow("office 121") << "00987651213" << true << "Napoli 2";
    QTest::newRow("office 101") << "07159961015" << true << "Bologna 2";
    QTest::newRow("office 102") << "12345671023" << true << "Napoli 2";
    QTest::newRow("office 036") << "01595600360" << true << "Modena";
    QTest::newRow("office 001") << "00000000018" << true << "Torino";
    QTest::newRow("office 000") << "99999990007" << true << "";
    QTest::newRow("office 150") << "11111111503" << true << "";
    QTest::newRow("eleven zeros") << "00000000000" << true << "";

    QTest::newRow("wrong last digit") << "00743110158" << false << "Milano 1";
    QTest::newRow("two digits swapped") << "07043110157" << false << "Milano 1";
    QTest::newRow("letter among eleven") << "0074311A157" << false << "";
    QTest::newRow("letter as last") << "0074311015A" << false << "Milano 1";
    QTest::newRow("ten digits") << "0074311015" << false << "Milano 1";
    QTest::newRow("twelve digits") << "007431101570" << false << "Milano 1";
    QTest::newRow("empty") << "" << false << "";
}

void TestCheckAlgorithms::vatNumber() {
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QFETCH(QString, office);
    QCOMPARE(VatNumberCheck::isValid(number), valid);
    QCOMPARE(VatNumberCheck::issuingOffice(number), office);
    if (valid)
        QCOMPARE(VatNumberCheck::checkDigit(number), number.at(10).digitValue());
}

void TestCheckAlgorithms::vatOfficeTable_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("001") << "001"
                         << "Torino";
    QTest::newRow("040") << "040"
                         << "Forlì";
    QTest::newRow("058") << "058"
                         << "Roma 1";
    QTest::newRow("080") << "080"
                         << "Reggio Calabria";
    QTest::newRow("097") << "097"
                         << "Prato (Firenze 2)";
    QTest::newRow("099") << "099"
                         << "Chiavari (Genova 2)";
    QTest::newRow("100") << "100"
                         << "Roma 2";
    QTest::newRow("102") << "102"
                         << "Napoli 2";
    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("119") << "119"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
}

void TestCheckAlgorithms::vatOfficeTable() {
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(VatNumberCheck::officeName(code), office);
}

void TestCheckAlgorithms::vatOfficeTableHolds104Codes() {
    int named = 0;
    for (int code = 0; code <= 999; ++code)
        if (!VatNumberCheck::officeName(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'))).isEmpty())
            ++named;
    QCOMPARE(named, 104);
}

void TestCheckAlgorithms::cardNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("r");
    QTest::addColumn<CardNumberCheck::Outcome>("outcome");
    QTest::addColumn<QString>("type");
    using O = CardNumberCheck::Outcome;

    QTest::newRow("Visa 16") << "4111111111111111" << 2 << O::Known << "Visa";
    QTest::newRow("Visa 13") << "4222222222222" << 2 << O::Known << "Visa";
    QTest::newRow("American Express 37") << "378282246310005" << 1 << O::Known << "American Express";
    QTest::newRow("American Express 34") << "371449635398431" << 1 << O::Known << "American Express";
    QTest::newRow("MasterCard") << "5555555555554444" << 3 << O::Known << "MasterCard";
    QTest::newRow("Discover") << "6011111111111117" << 4 << O::Known << "Discover";
    QTest::newRow("Diners 30") << "30569309025904" << 1 << O::Known << "Diner's Club / Carte Blanche";
    QTest::newRow("Diners 36") << "360000000000004" << 1 << O::Known << "Diner's Club / Carte Blanche";
    QTest::newRow("Diners 38") << "38520000023237" << 1 << O::Known << "Diner's Club / Carte Blanche";
    QTest::newRow("JCB 35") << "3530111333300000" << 1 << O::Known << "JCB";
    QTest::newRow("JCB 31") << "31000000000003" << 1 << O::Known << "JCB";
    QTest::newRow("passes, 32") << "3200000000000002" << 1 << O::UnknownType << "";
    QTest::newRow("passes, 39") << "3900000000000005" << 1 << O::UnknownType << "";

    QTest::newRow("passes, begins with 2") << "2223000048400011" << 0 << O::Wrong << "";
    QTest::newRow("passes, begins with 7") << "7000000000000005" << 5 << O::Wrong << "";
    QTest::newRow("passes, begins with 8") << "8000000000000003" << 6 << O::Wrong << "";
    QTest::newRow("passes, begins with 1") << "1234567890123452" << -1 << O::Wrong << "";
    QTest::newRow("wrong last digit") << "4111111111111112" << 0 << O::Wrong << "";
    QTest::newRow("two digits swapped") << "378282246310050" << 0 << O::Wrong << "";
    QTest::newRow("no digits") << "" << 0 << O::Wrong << "";

    // Only the first twenty characters count.
    QTest::newRow("25 digits, first 20 pass") << "4000123412341234123012345" << 2 << O::Known << "Visa";
    QTest::newRow("25 digits pass, first 20 fail") << "4012345678901234567890127" << 0 << O::Wrong << "";
    QTest::newRow("blanks dropped") << "4111 1111 1111 1111" << 2 << O::Known << "Visa";
    QTest::newRow("blanks eat into the twenty") << "4111 1111 1111 1111 1111" << 2 << O::Known << "Visa";
    QTest::newRow("type from the tested digits")
        << "3782 822463 10005" << 1 << O::Known << "American Express";
}

void TestCheckAlgorithms::cardNumber() {
    QFETCH(QString, number);
    QFETCH(int, r);
    QFETCH(CardNumberCheck::Outcome, outcome);
    QFETCH(QString, type);
    QCOMPARE(CardNumberCheck::classification(number), r);
    const CardNumberCheck::Verdict v = CardNumberCheck::verdict(number);
    QCOMPARE(v.outcome, outcome);
    QCOMPARE(v.type, type);
}

void TestCheckAlgorithms::ibanRemainder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("remainder");
    // Expected values from whole-number arithmetic on the rearranged code.
    QTest::newRow("Italian") << "IT60X0542811101000000123456" << 1;
    QTest::newRow("check digits 00") << "IT00X0542811101000000123456" << 38;
    QTest::newRow("two digits swapped") << "IT60X0542811101000000123465" << 50;
    QTest::newRow("31 characters, letters inside") << "MT84MALT011000012345MTLCAST001S" << 1;
    QTest::newRow("32 characters") << "LC55HEMM000100010012001200023015" << 1;
    QTest::newRow("32 characters, check 00") << "LC00HEMM000100010012001200023015" << 43;
    QTest::newRow("37 characters") << "XX99999999999999999999999999999999999" << 60;
    QTest::newRow("shorter than four") << "1" << 1;
    QTest::newRow("only letters") << "ABCD" << 30;
    QTest::newRow("lower case") << "it00x0542811101000000123456" << 38;
    QTest::newRow("IBAN removed") << "IBANIT00X0542811101000000123456" << 38;
    QTest::newRow("only the first IBAN removed") << "IBANIBAN" << 56;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("hyphen") << "IT60X0542811101000000123-56" << 0;
    QTest::newRow("slash") << "IT60X0542811101000000/23456" << 0;
    QTest::newRow("blank") << "IT60X0542811101000000 23456" << 0;
    QTest::newRow("accented letter") << "IT60X054281110100000012345È" << 0;
}

void TestCheckAlgorithms::ibanRemainder() {
    QFETCH(QString, text);
    QFETCH(int, remainder);
    QCOMPARE(IbanCheck::remainder97(text), remainder);
}

void TestCheckAlgorithms::ibanValidity_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("Italian 1") << "IT60X0542811101000000123456" << true;
    QTest::newRow("Italian 2") << "IT48A0306909606100000063497" << true;
    QTest::newRow("Italian 3") << "IT61Z0100503382000000218020" << true;
    QTest::newRow("Italian 4") << "IT85K0200802435000104428964" << true;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << true;
    QTest::newRow("British") << "GB82WEST12345698765432" << true;
    QTest::newRow("German") << "DE89370400440532013000" << true;
    QTest::newRow("San Marino") << "SM86U0322509800000000270100" << true;
    QTest::newRow("grouped by four") << "IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("IBAN in front") << "IBAN IT60X0542811101000000123456" << true;
    QTest::newRow("digits swapped") << "IT60X0542811101000000123465" << false;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << false;
    QTest::newRow("CIN changed") << "IT60Y0542811101000000123456" << false;
    QTest::newRow("hyphen") << "IT60-X054-2811-1010-0000-0123-456" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCheckAlgorithms::ibanValidity() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IbanCheck::isValid(text), valid);
}

QTEST_GUILESS_MAIN(TestCheckAlgorithms)
#include "tst_CheckAlgorithms.moc"
