// The e-invoice's XML: the four kinds of invoice, a credit note, the flat-rate
// regime and hostile text, each valid against the official schema and right
// by the exchange system's arithmetic; the text rules of the schema.
#include "InvoiceSamples.h"
#include "SdiArithmetic.h"
#include "invoices/einvoice/InvoiceXml.h"
#include "invoices/einvoice/LatinText.h"
#include "invoices/einvoice/SchemaCheck.h"
#include "invoices/einvoice/Totals.h"

#include <QtTest>

namespace {

QByteArray xmlOf(const Seller &seller, Invoice invoice) {
    invoice.number = QStringLiteral("7");
    invoice.progressive = QStringLiteral("00012");
    return InvoiceXml::write(seller, invoice, *Totals::of(invoice));
}

// The texts of every element of this name, in document order.
QStringList texts(const QByteArray &xml, const char *element) {
    QStringList out;
    QXmlStreamReader r(xml);
    while (r.readNextStartElement() || !r.atEnd()) {
        if (r.isStartElement() && r.name() == QLatin1String(element))
            out << r.readElementText();
        else if (!r.isStartElement())
            r.readNext();
    }
    return out;
}

QString schemaFaults(const QByteArray &xml) {
    QStringList out;
    for (const SchemaError &e : SchemaCheck::errors(xml))
        out << e.element + QStringLiteral(": ") + e.detail;
    return out.join(QLatin1Char('\n'));
}

} // namespace

class TstInvoiceXml : public QObject {
    Q_OBJECT
private slots:
    void fourKinds_data();
    void fourKinds();
    void creditNoteRefersToItsInvoice();
    void flatRateRegime();
    void hostileAndForeignTextStaysValid();
    void arithmeticCheckCatchesWrongDocuments_data();
    void arithmeticCheckCatchesWrongDocuments();
    void latinText_data();
    void latinText();
    void fileName();
};

void TstInvoiceXml::fourKinds_data() {
    QTest::addColumn<Invoice>("invoice");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("buyerVat"); // IdCodice of the client, empty for none
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("toPay");
    QTest::newRow("private person at 22%") << Samples::privatePerson() << "FPR12"
                                           << "0000000"
                                           << ""
                                           << "158.65"
                                           << "158.65";
    QTest::newRow("business, reverse charge") << Samples::business() << "FPR12"
                                              << "M5UXCR1"
                                              << "12345678903"
                                              << "1796.67"
                                              << "1796.67";
    QTest::newRow("public office, split payment") << Samples::publicOffice() << "FPA12"
                                                  << "UFY9MH"
                                                  << "09876543217"
                                                  << "777.64"
                                                  << "647.24";
    QTest::newRow("exempt, stamp duty") << Samples::exempt() << "FPR12"
                                        << "0000000"
                                        << ""
                                        << "141.00"
                                        << "141.00";
}

void TstInvoiceXml::fourKinds() {
    QFETCH(Invoice, invoice);
    QFETCH(QString, format);
    QFETCH(QString, code);
    QFETCH(QString, buyerVat);
    QFETCH(QString, total);
    QFETCH(QString, toPay);
    const QByteArray xml = xmlOf(Samples::company(), invoice);
    QVERIFY2(SchemaCheck::errors(xml).isEmpty(), qPrintable(schemaFaults(xml)));
    const QStringList faults = SdiArithmetic::faults(xml);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QCOMPARE(texts(xml, "FormatoTrasmissione"), QStringList{format});
    QCOMPARE(texts(xml, "CodiceDestinatario"), QStringList{code});
    // The seller's code, then the client's VAT number when it has one.
    QCOMPARE(texts(xml, "IdCodice").mid(2), buyerVat.isEmpty() ? QStringList() : QStringList{buyerVat});
    QCOMPARE(texts(xml, "ImportoTotaleDocumento"), QStringList{total});
    QCOMPARE(texts(xml, "ImportoPagamento"), QStringList{toPay});
    QCOMPARE(texts(xml, "Denominazione").value(1), invoice.buyer.name); // whole, for a person too
    if (invoice.buyer.splitPayment)
        QVERIFY(
            texts(xml, "Causale").contains(QStringLiteral("Scissione dei pagamenti art. 17-ter DPR 633/72")));
    if (invoice.buyer.reverseCharge)
        QCOMPARE(texts(xml, "RiferimentoNormativo"),
                 QStringList{QStringLiteral("Inversione contabile art. 17 c. 6 lett. a-ter DPR 633/72")});
}

void TstInvoiceXml::creditNoteRefersToItsInvoice() {
    Invoice note = Samples::privatePerson();
    note.type = QString::fromLatin1(Invoice::CreditNote);
    note.linkedNumber = QStringLiteral("3");
    note.linkedDate = QDate(2026, 2, 28);
    const QByteArray xml = xmlOf(Samples::company(), note);
    QVERIFY2(SchemaCheck::errors(xml).isEmpty(), qPrintable(schemaFaults(xml)));
    QVERIFY(SdiArithmetic::faults(xml).isEmpty());
    QCOMPARE(texts(xml, "TipoDocumento"), QStringList{QStringLiteral("TD04")});
    QCOMPARE(texts(xml, "IdDocumento"), QStringList{QStringLiteral("3")});
    QCOMPARE(texts(xml, "Data"), (QStringList{QStringLiteral("2026-03-15"), QStringLiteral("2026-02-28")}));
}

void TstInvoiceXml::flatRateRegime() {
    Seller seller = Samples::company();
    seller.regime = QStringLiteral("RF19");
    Invoice invoice = Samples::privatePerson();
    for (InvoiceLine &line : invoice.lines) {
        line.rate = 0;
        line.natura = QString::fromLatin1(Natura::FlatRate);
    }
    const QByteArray xml = xmlOf(seller, invoice);
    QVERIFY2(SchemaCheck::errors(xml).isEmpty(), qPrintable(schemaFaults(xml)));
    QVERIFY(SdiArithmetic::faults(xml).isEmpty());
    QCOMPARE(texts(xml, "RegimeFiscale"), QStringList{QStringLiteral("RF19")});
    QCOMPARE(texts(xml, "RiferimentoNormativo"),
             QStringList{QStringLiteral(
                 "Operazione effettuata ai sensi dell'art. 1, commi da 54 a 89, L. 190/2014")});
    QCOMPARE(texts(xml, "BolloVirtuale"),
             QStringList{QStringLiteral("SI")}); // 130,04 euro out of VAT's scope
}

void TstInvoiceXml::hostileAndForeignTextStaysValid() {
    Invoice invoice = Samples::privatePerson();
    const QString hostile =
        QStringLiteral("Pulizia <uffici> & \"sale\" dell'ente: 50 € “extra” – piano ‘2’ — Ωmega 中");
    invoice.lines[0].description = hostile;
    invoice.lines[1].description = QString(995, QLatin1Char('x')) + QStringLiteral(" €€€ fine");
    invoice.buyer.name = QStringLiteral(
        "Bar & Caffè “Da Gino” – Società <Srl> con un nome ben più lungo di ottanta caratteri");
    invoice.buyer.street = QStringLiteral("Via dell'Ospedale 3\t\tinterno 5");
    invoice.causale = QString(450, QLatin1Char('c'));
    const QByteArray xml = xmlOf(Samples::company(), invoice);
    QVERIFY2(SchemaCheck::errors(xml).isEmpty(), qPrintable(schemaFaults(xml)));
    QVERIFY(SdiArithmetic::faults(xml).isEmpty());
    const QStringList descriptions = texts(xml, "Descrizione");
    QCOMPARE(descriptions[0],
             QStringLiteral("Pulizia <uffici> & \"sale\" dell'ente: 50 EUR \"extra\" - piano '2' - ?mega ?"));
    QCOMPARE(descriptions[1].size(), 1000);
    QVERIFY(descriptions[1].endsWith(QStringLiteral(" EURE")));
    QCOMPARE(texts(xml, "Denominazione").value(1).size(), 80);
    QVERIFY(texts(xml, "Denominazione")
                .value(1)
                .startsWith(QStringLiteral("Bar & Caffè \"Da Gino\" - Società <Srl>")));
    QCOMPARE(texts(xml, "Causale").size(), 3); // 200 + 200 + 50
}

// The arithmetic check the four invoices pass does find what the exchange
// system refuses.
void TstInvoiceXml::arithmeticCheckCatchesWrongDocuments_data() {
    QTest::addColumn<Invoice>("invoice");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("fault");
    const Invoice person = Samples::privatePerson();
    QTest::newRow("line total") << person << QByteArray("<PrezzoTotale>29.99<")
                                << QByteArray("<PrezzoTotale>29.98<") << "line 2: PrezzoTotale";
    QTest::newRow("tax of the lines' taxes")
        << person << QByteArray("<Imposta>28.61<") << QByteArray("<Imposta>28.60<")
        << "Imposta is not rounded once";
    QTest::newRow("summary not its lines")
        << person << QByteArray("<ImponibileImporto>130.04<") << QByteArray("<ImponibileImporto>130.00<")
        << "not the sum of its lines";
    QTest::newRow("document total") << person << QByteArray("<ImportoTotaleDocumento>158.65<")
                                    << QByteArray("<ImportoTotaleDocumento>158.66<")
                                    << "ImportoTotaleDocumento";
    QTest::newRow("Natura at 22%")
        << person << QByteArray("<AliquotaIVA>22.00</AliquotaIVA>\n   </DettaglioLinee>")
        << QByteArray("<AliquotaIVA>22.00</AliquotaIVA><Natura>N4</Natura></DettaglioLinee>")
        << "Natura must be given exactly at 0%";
    QTest::newRow("code for the format") << person << QByteArray("<CodiceDestinatario>0000000<")
                                         << QByteArray("<CodiceDestinatario>000000<") << "CodiceDestinatario";
    QTest::newRow("stamp duty left out")
        << Samples::exempt() << QByteArray("<BolloVirtuale>SI</BolloVirtuale>") << QByteArray("")
        << "DatiBollo must be";
}

void TstInvoiceXml::arithmeticCheckCatchesWrongDocuments() {
    QFETCH(Invoice, invoice);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, fault);
    QByteArray xml = xmlOf(Samples::company(), invoice);
    QVERIFY(SdiArithmetic::faults(xml).isEmpty());
    QVERIFY2(xml.contains(from), from.constData());
    xml.replace(from, to);
    const QStringList faults = SdiArithmetic::faults(xml);
    QVERIFY2(faults.join(QLatin1Char('\n')).contains(fault), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TstInvoiceXml::latinText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("latin");
    QTest::addColumn<QString>("basic");
    QTest::newRow("plain") << "Pulizia" << 60 << "Pulizia"
                           << "Pulizia";
    QTest::newRow("Latin-1 kept") << "Città più è" << 60 << "Città più è"
                                  << "Citta piu e";
    QTest::newRow("euro") << "100 €" << 60 << "100 EUR"
                          << "100 EUR";
    QTest::newRow("Windows-1252 extras") << "„Š…Œ™ž•‹›" << 60 << "\"S...OETMz-<>"
                                         << "\"S...OETMz-<>";
    QTest::newRow("closest or ?") << "Ωmega ĉiu 中" << 60 << "?mega ciu ?"
                                  << "?mega ciu ?";
    QTest::newRow("controls become blanks") << "a\tb\nc\x01" << 60 << "a b c"
                                            << "a b c";
    QTest::newRow("trimmed") << "  x  " << 60 << "x"
                             << "x";
    QTest::newRow("cut, then trimmed") << "abc def" << 4 << "abc"
                                       << "abc";
    QTest::newRow("euro cut") << "1€" << 3 << "1EU"
                              << "1EU";
}

void TstInvoiceXml::latinText() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, latin);
    QFETCH(QString, basic);
    QCOMPARE(LatinText::of(text, length), latin);
    QCOMPARE(LatinText::basic(text, length), basic);
}

void TstInvoiceXml::fileName() {
    Seller seller = Samples::company();
    QCOMPARE(InvoiceXml::fileName(seller, QStringLiteral("00042")),
             QStringLiteral("IT01234567897_00042.xml"));
    seller.vatNumber.clear();
    seller.taxCode = QStringLiteral("rssmra85t10a562s");
    QCOMPARE(InvoiceXml::fileName(seller, QStringLiteral("1")), QStringLiteral("ITRSSMRA85T10A562S_1.xml"));
}

QTEST_GUILESS_MAIN(TstInvoiceXml)
#include "tst_invoicexml.moc"
