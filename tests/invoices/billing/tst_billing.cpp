// A client's billing data: kept under its record number, found again by the
// number and by the copies of its VAT number or tax code a contract holds;
// the screen proposes, checks and saves them.
#include "ReadOnly.h"
#include "TestEnv.h"
#include "invoices/billing/BillingData.h"
#include "core/records/Archives.h"
#include "invoices/billing/DatiFatturazione.h"
#include "ui/card/CardScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class TstBilling : public QObject {
    Q_OBJECT
private slots:
    void init() { seams = std::make_unique<ScreenSeams>(); }
    void cleanup() { seams.reset(); }
    void foundByNumberAndByFiscalCodes();
    void screenProposesForANewClient();
    void screenSavesAndReadsBack();
    void screenRefusesWhatCannotBeSent_data();
    void screenRefusesWhatCannotBeSent();
    void readOnlyFolderIsReported();

private:
    std::unique_ptr<ScreenSeams> seams;
};

void TstBilling::foundByNumberAndByFiscalCodes() {
    BillingData business = BillingStore::proposed(5, QStringLiteral("12345678903"), {}, {});
    business.recipientCode = QStringLiteral("M5UXCR1");
    BillingData person =
        BillingStore::proposed(9, {}, QStringLiteral("RSSMRA85T10A562S"), QStringLiteral("a@pec.it"));
    QVERIFY(BillingStore::save(business));
    QVERIFY(BillingStore::save(person));
    // A second save of client 5 writes over its record.
    business.splitPayment = true;
    QVERIFY(BillingStore::save(business));
    QCOMPARE(QFileInfo(BillingStore::path()).size(), 2 * Archives::billingData().size());

    QCOMPARE(BillingStore::forClient(5)->recipientCode, QStringLiteral("M5UXCR1"));
    QVERIFY(BillingStore::forClient(5)->splitPayment);
    QVERIFY(BillingStore::forClient(5)->reverseCharge); // proposed for a VAT number
    QVERIFY(!BillingStore::forClient(9)->reverseCharge);
    QVERIFY(!BillingStore::forClient(7));
    QCOMPARE(BillingStore::forFiscalCode(QStringLiteral("12345678903"), {})->client, qint64(5));
    QCOMPARE(BillingStore::forFiscalCode({}, QStringLiteral("rssmra85t10a562s"))->client, qint64(9));
    QCOMPARE(BillingStore::forFiscalCode({}, QStringLiteral("RSSMRA85T10A562S"))->pec,
             QStringLiteral("a@pec.it"));
    QVERIFY(!BillingStore::forFiscalCode(QStringLiteral("09876543217"), {}));
    QVERIFY(!BillingStore::forFiscalCode({}, {}));
}

void TstBilling::screenProposesForANewClient() {
    TfrmDatiFatturazione screen;
    screen.setClient(3, QStringLiteral("Officine Brambilla"), QStringLiteral("12345678903"), {},
                     QStringLiteral("brambilla@pec.it"));
    QCOMPARE(screen.lblCliente->text(), QStringLiteral(" Cliente: Officine Brambilla"));
    QCOMPARE(screen.txtCodiceDestinatario->text(), QStringLiteral("0000000"));
    QCOMPARE(screen.txtPecFatture->text(), QStringLiteral("brambilla@pec.it"));
    QVERIFY(screen.chkInversione->isChecked());
    QVERIFY(!screen.chkPA->isChecked() && !screen.chkScissione->isChecked());
    screen.setClient(4, QStringLiteral("Anna"), {}, QStringLiteral("RSSMRA85T10A562S"), {});
    QVERIFY(!screen.chkInversione->isChecked()); // never for a private person
    QVERIFY(!QFileInfo::exists(BillingStore::path()) || QFileInfo(BillingStore::path()).size() == 0);
}

void TstBilling::screenSavesAndReadsBack() {
    {
        TfrmDatiFatturazione screen;
        screen.setClient(6, QStringLiteral("Comune"), QStringLiteral("09876543217"),
                         QStringLiteral("80000012346"), {});
        screen.txtCodiceDestinatario->setText(QStringLiteral("ufy9mh"));
        screen.chkPA->setChecked(true);
        screen.chkScissione->setChecked(true);
        screen.chkInversione->setChecked(false);
        QVERIFY(screen.cmdSalvaClick());
        QCOMPARE(seams->messages.lastText(), TfrmDatiFatturazione::savedText());
    }
    const std::optional<BillingData> kept = BillingStore::forClient(6);
    QVERIFY(kept);
    QCOMPARE(kept->recipientCode, QStringLiteral("UFY9MH"));
    QVERIFY(kept->publicOffice && kept->splitPayment && !kept->reverseCharge);
    QCOMPARE(kept->taxCode, QStringLiteral("80000012346"));
    TfrmDatiFatturazione again;
    again.setClient(6, QStringLiteral("Comune"), QStringLiteral("09876543217"), QStringLiteral("80000012346"),
                    {});
    QCOMPARE(again.txtCodiceDestinatario->text(), QStringLiteral("UFY9MH"));
    QVERIFY(again.chkPA->isChecked() && again.chkScissione->isChecked() && !again.chkInversione->isChecked());
}

void TstBilling::screenRefusesWhatCannotBeSent_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("publicOffice");
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<QString>("words");
    QTest::newRow("public office with 7") << "UFY9MH1" << true << false << false << "09876543217"
                                          << "sei caratteri";
    QTest::newRow("business with 6") << "M5UXCR" << false << false << false << "12345678903"
                                     << "sette caratteri";
    QTest::newRow("both regimes") << "0000000" << false << true << true << "12345678903"
                                  << "non si applicano insieme";
    QTest::newRow("reverse charge without VAT") << "0000000" << false << false << true << ""
                                                << "partita IVA";
}

void TstBilling::screenRefusesWhatCannotBeSent() {
    QFETCH(QString, code);
    QFETCH(bool, publicOffice);
    QFETCH(bool, split);
    QFETCH(bool, reverse);
    QFETCH(QString, vat);
    QFETCH(QString, words);
    TfrmDatiFatturazione screen;
    screen.setClient(2, QStringLiteral("X"), vat, QStringLiteral("RSSMRA85T10A562S"), {});
    screen.txtCodiceDestinatario->setText(code);
    screen.chkPA->setChecked(publicOffice);
    screen.chkScissione->setChecked(split);
    screen.chkInversione->setChecked(reverse);
    QVERIFY(!screen.cmdSalvaClick());
    QCOMPARE(seams->messages.shown.size(), 1);
    QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
    QVERIFY2(seams->messages.lastText().contains(words), qPrintable(seams->messages.lastText()));
    QVERIFY(!BillingStore::forClient(2));
}

void TstBilling::readOnlyFolderIsReported() {
    TfrmDatiFatturazione screen;
    screen.setClient(2, QStringLiteral("X"), {}, QStringLiteral("RSSMRA85T10A562S"), {});
    {
        ReadOnlyFolder readOnly(seams->folder.path());
        if (!readOnly.holds())
            QSKIP("this machine cannot make a folder read-only");
        QVERIFY(!screen.cmdSalvaClick());
    }
    QCOMPARE(seams->messages.shown.last().kind, MessageKind::Error);
    QCOMPARE(seams->messages.lastText(), CardScreen::archiveFailureText());
    QVERIFY(!BillingStore::forClient(2));
}

QTEST_MAIN(TstBilling)
#include "tst_billing.moc"
