// Decimal amounts and the invoice's totals: line totals rounded half up to
// the cent, one summary per rate and Natura with its tax rounded once on the
// summary, the stamp duty, split payment.
#include "InvoiceSamples.h"
#include "invoices/einvoice/Decimal.h"
#include "invoices/einvoice/Totals.h"

#include <QtTest>

class TstAmounts : public QObject {
    Q_OBJECT
private slots:
    void parsesTypedNumbers_data();
    void parsesTypedNumbers();
    void lineTotalRoundsHalfUp_data();
    void lineTotalRoundsHalfUp();
    void moneyTexts();
    void taxIsRoundedOncePerSummary();
    void reverseChargeHasNoTaxAndNoStampDuty();
    void splitPaymentLeavesTheTaxToTheState();
    void stampDutyOverThreshold_data();
    void stampDutyOverThreshold();
    void overflowingLineIsRefused();
};

void TstAmounts::parsesTypedNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("xml");
    QTest::newRow("whole") << "12" << true << "12.00";
    QTest::newRow("comma") << "1,5" << true << "1.50";
    QTest::newRow("point as comma") << "1.5" << true << "1.50";
    QTest::newRow("eight decimals") << "0,12345678" << true << "0.12345678";
    QTest::newRow("nine decimals") << "0,123456789" << false << "";
    QTest::newRow("negative") << "-3,2" << true << "-3.20";
    QTest::newRow("leading comma") << ",5" << true << "0.50";
    QTest::newRow("thousands") << "1.250,00" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("letters") << "12a" << false << "";
    QTest::newRow("too big") << "99999999999999999999" << false << "";
}

void TstAmounts::parsesTypedNumbers() {
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, xml);
    const std::optional<Decimal> d = Decimal::parse(typed);
    QCOMPARE(d.has_value(), ok);
    if (ok)
        QCOMPARE(d->xmlText(), xml);
}

void TstAmounts::lineTotalRoundsHalfUp_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("exact") << "3"
                           << "33,33" << qint64(9999);
    QTest::newRow("half up") << "1,5"
                             << "19,99" << qint64(2999); // 29,985
    QTest::newRow("half again") << "1,5"
                                << "19,97" << qint64(2996); // 29,955
    QTest::newRow("just below") << "0,001"
                                << "4,99" << qint64(0); // 0,00499
    QTest::newRow("eight decimals") << "0,00000001"
                                    << "50000000" << qint64(50); // 0,5
    QTest::newRow("half away for a discount") << "1"
                                              << "-0,005" << qint64(-1);
    QTest::newRow("0,1 x 3 is 0,30") << "3"
                                     << "0,1" << qint64(30);
}

void TstAmounts::lineTotalRoundsHalfUp() {
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(qint64, cents);
    QCOMPARE(Decimal::parse(quantity)->timesInCents(*Decimal::parse(price)), std::optional<qint64>(cents));
}

void TstAmounts::moneyTexts() {
    QCOMPARE(Money::xmlText(0), QStringLiteral("0.00"));
    QCOMPARE(Money::xmlText(5), QStringLiteral("0.05"));
    QCOMPARE(Money::xmlText(-5), QStringLiteral("-0.05"));
    QCOMPARE(Money::xmlText(123456), QStringLiteral("1234.56"));
    QCOMPARE(Money::text(123456789), QStringLiteral("1.234.567,89"));
    QCOMPARE(Money::text(99), QStringLiteral("0,99"));
    QCOMPARE(Money::rateXmlText(2200), QStringLiteral("22.00"));
    QCOMPARE(Money::rateXmlText(0), QStringLiteral("0.00"));
    QCOMPARE(Decimal::parse(QStringLiteral("1,50"))->text(), QStringLiteral("1,50"));
}

void TstAmounts::taxIsRoundedOncePerSummary() {
    const InvoiceTotals t = *Totals::of(Samples::privatePerson());
    QCOMPARE(t.lineTotals, (QList<qint64>{9999, 2999, 2, 2, 2}));
    QCOMPARE(t.summaries.size(), 1);
    QCOMPARE(t.summaries[0].taxable, qint64(13004));
    // 130,04 x 22% = 28,6088: 28,61 on the summary, where the lines' own taxes
    // would add up to 28,60.
    QCOMPARE(t.summaries[0].tax, qint64(2861));
    QCOMPARE(t.summaries[0].chargeability, QStringLiteral("I"));
    QCOMPARE(t.document, qint64(15865));
    QCOMPARE(t.toPay, t.document);
    QVERIFY(!t.stampDuty);
}

void TstAmounts::reverseChargeHasNoTaxAndNoStampDuty() {
    const InvoiceTotals t = *Totals::of(Samples::business());
    QCOMPARE(t.summaries.size(), 1);
    QCOMPARE(t.summaries[0].natura, QStringLiteral("N6.7"));
    QCOMPARE(t.summaries[0].taxable, qint64(125000 + 54667));
    QCOMPARE(t.summaries[0].tax, qint64(0));
    QCOMPARE(t.summaries[0].reference,
             QStringLiteral("Inversione contabile art. 17 c. 6 lett. a-ter DPR 633/72"));
    QVERIFY(t.summaries[0].chargeability.isEmpty());
    QVERIFY(!t.stampDuty); // far over 77,47 euro, but no stamp on reverse charge
    QCOMPARE(t.document, qint64(179667));
}

void TstAmounts::splitPaymentLeavesTheTaxToTheState() {
    const InvoiceTotals t = *Totals::of(Samples::publicOffice());
    QCOMPARE(t.summaries.size(), 2);
    QCOMPARE(t.summaries[0].rate, 2200);
    QCOMPARE(t.summaries[0].taxable, qint64(54725));
    QCOMPARE(t.summaries[0].tax, qint64(12040)); // 120,395 rounded half up
    QCOMPARE(t.summaries[0].chargeability, QStringLiteral("S"));
    QCOMPARE(t.summaries[1].rate, 1000);
    QCOMPARE(t.summaries[1].tax, qint64(1000)); // 9,999
    QCOMPARE(t.document, qint64(64724 + 13040));
    QCOMPARE(t.toPay, qint64(64724)); // the client pays the net
}

void TstAmounts::stampDutyOverThreshold_data() {
    QTest::addColumn<QString>("natura");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("stamp");
    QTest::newRow("N4 over") << "N4"
                             << "77,48" << true;
    QTest::newRow("N4 at threshold") << "N4"
                                     << "77,47" << false;
    QTest::newRow("N2.2 flat rate over") << "N2.2"
                                         << "100" << true;
    QTest::newRow("N3.1 over") << "N3.1"
                               << "100" << true;
    QTest::newRow("N1 excluded from the rule") << "N1"
                                               << "100" << false;
    QTest::newRow("N6.7 reverse charge") << "N6.7"
                                         << "1000" << false;
}

void TstAmounts::stampDutyOverThreshold() {
    QFETCH(QString, natura);
    QFETCH(QString, amount);
    QFETCH(bool, stamp);
    Invoice invoice = Samples::privatePerson();
    invoice.lines = {Samples::line(QStringLiteral("x"), "1", amount.toLatin1().constData(), 0, natura)};
    QCOMPARE(Totals::of(invoice)->stampDuty, stamp);

    // Two exempt lines under the threshold each, over it together.
    invoice.lines = {Samples::line(QStringLiteral("x"), "1", "40", 0, QStringLiteral("N4")),
                     Samples::line(QStringLiteral("y"), "1", "40", 0, QStringLiteral("N2.1"))};
    const InvoiceTotals t = *Totals::of(invoice);
    QVERIFY(t.stampDuty);
    QCOMPARE(t.document, qint64(8000));
    invoice.stampCharged = true;
    QCOMPARE(Totals::of(invoice)->document, qint64(8200));
}

void TstAmounts::overflowingLineIsRefused() {
    Invoice invoice = Samples::privatePerson();
    invoice.lines = {Samples::line(QStringLiteral("x"), "9999999999,99", "9999999999,99")};
    QVERIFY(!Totals::of(invoice).has_value());
}

QTEST_GUILESS_MAIN(TstAmounts)
#include "tst_amounts.moc"
