#include "invoices/einvoice/InvoiceXml.h"

#include "invoices/einvoice/LatinText.h"
#include "invoices/einvoice/Natura.h"

#include <QXmlStreamWriter>

namespace {

// The schema's lengths of the texts written.
constexpr int NameLength = 80, AddressLength = 60, DescriptionLength = 1000, CausaleLength = 200,
              ReferenceLength = 100, NumberLength = 20, BankLength = 80;

QString isoDate(const QDate &d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }

class Writer {
public:
    explicit Writer(QByteArray *out) : m_xml(out) {}

    void open(const char *name) { m_xml.writeStartElement(QLatin1String(name)); }
    void close() { m_xml.writeEndElement(); }
    void text(const char *name, const QString &value) { m_xml.writeTextElement(QLatin1String(name), value); }
    void latin(const char *name, const QString &value, int length) {
        text(name, LatinText::of(value, length));
    }
    void latinIfAny(const char *name, const QString &value, int length) {
        if (const QString v = LatinText::of(value, length); !v.isEmpty())
            text(name, v);
    }
    QXmlStreamWriter &stream() { return m_xml; }

private:
    QXmlStreamWriter m_xml;
};

QString code(const QString &value) { return LatinText::basic(value, 28).toUpper(); }

void fiscalId(Writer &w, const QString &country, const QString &vatNumber) {
    w.open("IdFiscaleIVA");
    w.text("IdPaese", code(country));
    w.text("IdCodice", code(vatNumber));
    w.close();
}

void address(Writer &w, const Party &party) {
    w.open("Sede");
    w.latin("Indirizzo", party.street, AddressLength);
    w.text("CAP", LatinText::basic(party.postcode, 5));
    w.latin("Comune", party.town, AddressLength);
    if (const QString province = code(party.province); !province.isEmpty())
        w.text("Provincia", province);
    w.text("Nazione", code(party.country.isEmpty() ? QStringLiteral("IT") : party.country));
    w.close();
}

void header(Writer &w, const Seller &seller, const Invoice &invoice) {
    const Buyer &buyer = invoice.buyer;
    w.open("FatturaElettronicaHeader");
    w.open("DatiTrasmissione");
    w.open("IdTrasmittente");
    w.text("IdPaese", QStringLiteral("IT"));
    w.text("IdCodice", InvoiceXml::transmitterCode(seller));
    w.close();
    w.text("ProgressivoInvio", LatinText::basic(invoice.progressive, 10));
    w.text("FormatoTrasmissione", InvoiceXml::format(buyer));
    const QString recipient = code(buyer.recipientCode);
    w.text("CodiceDestinatario",
           recipient.isEmpty() ? QString::fromLatin1(InvoiceXml::NoRecipientCode) : recipient);
    if ((recipient.isEmpty() || recipient == QLatin1String(InvoiceXml::NoRecipientCode)) &&
        !buyer.pec.trimmed().isEmpty())
        w.text("PECDestinatario", buyer.pec.trimmed());
    w.close(); // DatiTrasmissione

    w.open("CedentePrestatore");
    w.open("DatiAnagrafici");
    fiscalId(w, QStringLiteral("IT"), seller.vatNumber);
    if (const QString taxCode = code(seller.taxCode); !taxCode.isEmpty())
        w.text("CodiceFiscale", taxCode);
    w.open("Anagrafica");
    w.latin("Denominazione", seller.name, NameLength);
    w.close();
    w.text("RegimeFiscale", seller.regime);
    w.close(); // DatiAnagrafici
    address(w, seller);
    w.close(); // CedentePrestatore

    w.open("CessionarioCommittente");
    w.open("DatiAnagrafici");
    if (!buyer.vatNumber.trimmed().isEmpty())
        fiscalId(w, buyer.country.isEmpty() ? QStringLiteral("IT") : buyer.country, buyer.vatNumber);
    if (const QString taxCode = code(buyer.taxCode); !taxCode.isEmpty())
        w.text("CodiceFiscale", taxCode);
    w.open("Anagrafica");
    w.latin("Denominazione", buyer.name, NameLength);
    w.close();
    w.close(); // DatiAnagrafici
    address(w, buyer);
    w.close(); // CessionarioCommittente
    w.close(); // FatturaElettronicaHeader
}

void causale(Writer &w, const QString &text) {
    // The Causale repeats in pieces of 200 characters.
    QString rest = LatinText::of(text, 20 * CausaleLength);
    while (!rest.isEmpty()) {
        w.latin("Causale", rest.left(CausaleLength), CausaleLength);
        rest = rest.mid(CausaleLength).trimmed();
    }
}

void generalData(Writer &w, const Invoice &invoice, const InvoiceTotals &totals) {
    w.open("DatiGenerali");
    w.open("DatiGeneraliDocumento");
    w.text("TipoDocumento", invoice.type);
    w.text("Divisa", QStringLiteral("EUR"));
    w.text("Data", isoDate(invoice.date));
    w.text("Numero", LatinText::basic(invoice.number, NumberLength));
    if (totals.stampDuty) {
        w.open("DatiBollo");
        w.text("BolloVirtuale", QStringLiteral("SI"));
        w.text("ImportoBollo", Money::xmlText(Natura::StampDutyCents));
        w.close();
    }
    w.text("ImportoTotaleDocumento", Money::xmlText(totals.document));
    QStringList notes;
    if (!invoice.causale.trimmed().isEmpty())
        notes << invoice.causale.trimmed();
    if (invoice.buyer.splitPayment)
        notes << InvoiceXml::splitPaymentNote();
    if (totals.stampDuty)
        notes << InvoiceXml::stampDutyNote();
    for (const QString &note : notes)
        causale(w, note);
    w.close(); // DatiGeneraliDocumento
    if (invoice.isCreditNote() && !invoice.linkedNumber.trimmed().isEmpty()) {
        w.open("DatiFattureCollegate");
        w.text("IdDocumento", LatinText::basic(invoice.linkedNumber, NumberLength));
        if (invoice.linkedDate.isValid())
            w.text("Data", isoDate(invoice.linkedDate));
        w.close();
    }
    w.close(); // DatiGenerali
}

void goodsAndServices(Writer &w, const Invoice &invoice, const InvoiceTotals &totals) {
    w.open("DatiBeniServizi");
    for (qsizetype i = 0; i < invoice.lines.size(); ++i) {
        const InvoiceLine &line = invoice.lines.at(i);
        w.open("DettaglioLinee");
        w.text("NumeroLinea", QString::number(i + 1));
        w.latin("Descrizione", line.description, DescriptionLength);
        w.text("Quantita", line.quantity.xmlText());
        w.text("PrezzoUnitario", line.unitPrice.xmlText());
        w.text("PrezzoTotale", Money::xmlText(totals.lineTotals.at(i)));
        w.text("AliquotaIVA", Money::rateXmlText(line.rate));
        if (!line.natura.isEmpty())
            w.text("Natura", line.natura);
        w.close();
    }
    for (const TaxSummary &summary : totals.summaries) {
        w.open("DatiRiepilogo");
        w.text("AliquotaIVA", Money::rateXmlText(summary.rate));
        if (!summary.natura.isEmpty())
            w.text("Natura", summary.natura);
        w.text("ImponibileImporto", Money::xmlText(summary.taxable));
        w.text("Imposta", Money::xmlText(summary.tax));
        if (!summary.chargeability.isEmpty())
            w.text("EsigibilitaIVA", summary.chargeability);
        w.latinIfAny("RiferimentoNormativo", summary.reference, ReferenceLength);
        w.close();
    }
    w.close();
}

void payment(Writer &w, const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals) {
    w.open("DatiPagamento");
    w.text("CondizioniPagamento", QStringLiteral("TP02")); // in one payment
    w.open("DettaglioPagamento");
    w.text("ModalitaPagamento", invoice.payment);
    const QDate due = invoice.due.isValid() ? invoice.due : invoice.date.addDays(invoice.paymentDays);
    if (due.isValid())
        w.text("DataScadenzaPagamento", isoDate(due));
    w.text("ImportoPagamento", Money::xmlText(totals.toPay));
    w.latinIfAny("IstitutoFinanziario", seller.bank, BankLength);
    if (const QString iban = LatinText::basic(seller.iban, 34).remove(QLatin1Char(' ')).toUpper();
        !iban.isEmpty())
        w.text("IBAN", iban);
    w.close();
    w.close();
}

} // namespace

namespace InvoiceXml {

QString format(const Buyer &buyer) {
    return buyer.publicOffice ? QStringLiteral("FPA12") : QStringLiteral("FPR12");
}

QString transmitterCode(const Seller &seller) {
    return code(seller.vatNumber.trimmed().isEmpty() ? seller.taxCode : seller.vatNumber);
}

QString fileName(const Seller &seller, const QString &progressive) {
    return QStringLiteral("IT%1_%2.xml").arg(transmitterCode(seller), progressive);
}

QString splitPaymentNote() { return QStringLiteral("Scissione dei pagamenti art. 17-ter DPR 633/72"); }
QString stampDutyNote() { return QStringLiteral("Imposta di bollo assolta in modo virtuale"); }

QByteArray write(const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals) {
    QByteArray out;
    Writer w(&out);
    QXmlStreamWriter &xml = w.stream();
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeNamespace(QLatin1String(Namespace), QStringLiteral("p"));
    xml.writeStartElement(QLatin1String(Namespace), QStringLiteral("FatturaElettronica"));
    xml.writeAttribute(QStringLiteral("versione"), format(invoice.buyer));
    header(w, seller, invoice);
    w.open("FatturaElettronicaBody");
    generalData(w, invoice, totals);
    goodsAndServices(w, invoice, totals);
    payment(w, seller, invoice, totals);
    w.close(); // FatturaElettronicaBody
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace InvoiceXml
