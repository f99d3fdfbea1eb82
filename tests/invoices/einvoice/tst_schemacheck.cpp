// The official schema carried inside the program: unmodified, loaded offline,
// and its findings named by element in Italian.
#include "InvoiceSamples.h"
#include "invoices/einvoice/InvoiceXml.h"
#include "invoices/einvoice/SchemaCheck.h"
#include "invoices/einvoice/Totals.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QtTest>

namespace {

QByteArray validXml() {
    Invoice invoice = Samples::privatePerson();
    invoice.number = QStringLiteral("1");
    invoice.progressive = QStringLiteral("00001");
    return InvoiceXml::write(Samples::company(), invoice, *Totals::of(invoice));
}

} // namespace

class TstSchemaCheck : public QObject {
    Q_OBJECT
private slots:
    void shippedAsPublished();
    void validDocumentPasses();
    void faultsNameTheirElement_data();
    void faultsNameTheirElement();
    void unreadableDocument();
    void outsideAddressesAreNeverFetched();
};

void TstSchemaCheck::shippedAsPublished() {
    const auto sum = [](const QByteArray &bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    };
    QCOMPARE(sum(SchemaCheck::schemaBytes()),
             QByteArray("cedaeece91d7a5334960143f0735ee020e6e94f33685b512f5899eb85c507e18"));
    QCOMPARE(sum(SchemaCheck::signatureSchemaBytes()),
             QByteArray("35cf8197da812c85e40d57891b35c94187569ed474a2dac813ce5090dafcd35c"));
}

void TstSchemaCheck::validDocumentPasses() {
    const QByteArray xml = validXml();
    QVERIFY(SchemaCheck::isValid(xml));
    // The schema is read once: later checks cost only the validation.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 20; ++i)
        QVERIFY(SchemaCheck::isValid(xml));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void TstSchemaCheck::faultsNameTheirElement_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("words");
    QTest::newRow("euro sign in a description")
        << QByteArray("<Descrizione>Panno</Descrizione>")
        << QByteArray("<Descrizione>Panno \xE2\x82\xAC</Descrizione>") << "Descrizione"
        << "caratteri non ammessi";
    QTest::newRow("empty description") << QByteArray("<Descrizione>Panno</Descrizione>")
                                       << QByteArray("<Descrizione></Descrizione>") << "Descrizione"
                                       << "caratteri non ammessi";
    QTest::newRow("unknown Natura")
        << QByteArray("<AliquotaIVA>22.00</AliquotaIVA>\n   </DettaglioLinee>")
        << QByteArray("<AliquotaIVA>22.00</AliquotaIVA><Natura>N9</Natura></DettaglioLinee>") << "Natura"
        << "codici ammessi";
    QTest::newRow("missing CAP") << QByteArray("<CAP>00184</CAP>") << QByteArray("") << "Comune"
                                 << "prima manca uno tra NumeroCivico, CAP";
    QTest::newRow("three-decimal amount")
        << QByteArray("<ImportoTotaleDocumento>158.65<") << QByteArray("<ImportoTotaleDocumento>158.650<")
        << "ImportoTotaleDocumento"
        << "caratteri non ammessi";
}

void TstSchemaCheck::faultsNameTheirElement() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, element);
    QFETCH(QString, words);
    QByteArray xml = validXml();
    QVERIFY2(xml.contains(from), xml.constData());
    xml.replace(from, to);
    const QList<SchemaError> errors = SchemaCheck::errors(xml);
    QVERIFY(!errors.isEmpty());
    QCOMPARE(errors.first().element, element);
    QVERIFY2(errors.first().message.contains(words), qPrintable(errors.first().message));
    QVERIFY(errors.first().message.contains(element));
    QVERIFY(errors.first().line > 0);
}

void TstSchemaCheck::unreadableDocument() {
    for (const QByteArray &bad : {QByteArray(), QByteArray("<a><b></a>"), QByteArray("not xml")}) {
        const QList<SchemaError> errors = SchemaCheck::errors(bad);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().element.isEmpty());
        QVERIFY(errors.first().message.contains(QStringLiteral("non è un documento XML")));
    }
}

// A document naming outside addresses (a DTD on the network, an entity on
// disk) is checked without fetching any of them: the check comes back at
// once, and the file's text never reaches the document.
void TstSchemaCheck::outsideAddressesAreNeverFetched() {
    QByteArray xml = validXml();
    xml.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE p:FatturaElettronica SYSTEM "
                "\"http://10.255.255.1/fattura.dtd\" [<!ENTITY segreto SYSTEM \"file:///etc/hostname\">]>");
    xml.replace("<Descrizione>Panno</Descrizione>", "<Descrizione>&segreto;</Descrizione>");
    QElapsedTimer timer;
    timer.start();
    const QList<SchemaError> errors = SchemaCheck::errors(xml);
    QVERIFY(timer.elapsed() < 2000);
    // Whatever the verdict, the host's name did not become a description.
    QFile hostname(QStringLiteral("/etc/hostname"));
    if (hostname.open(QIODevice::ReadOnly)) {
        const QByteArray name = hostname.readAll().trimmed();
        for (const SchemaError &e : errors)
            QVERIFY(!name.isEmpty() && !e.detail.contains(QString::fromUtf8(name)));
    }
    QVERIFY(!errors.isEmpty()); // the entity reference is no description the schema accepts
}

QTEST_GUILESS_MAIN(TstSchemaCheck)
#include "tst_schemacheck.moc"
