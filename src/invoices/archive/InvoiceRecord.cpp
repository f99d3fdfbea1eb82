#include "invoices/archive/InvoiceRecord.h"

#include "core/text/Formats.h"
#include "core/text/TextRules.h"

namespace {

constexpr int DescriptionPieces = 4, PieceWidth = 250;

// A description longer than one field is kept in four: each cut falls between
// two characters that are not blanks, so the pieces, trimmed as every field
// is, join back to the same text.
QStringList pieces(const QString &text) {
    QStringList out;
    QString rest = Text::trim(text);
    while (!rest.isEmpty() && out.size() < DescriptionPieces) {
        qsizetype cut = std::min<qsizetype>(rest.size(), PieceWidth);
        if (cut < rest.size()) {
            qsizetype at = cut;
            while (at > 1 && (rest.at(at - 1).isSpace() || rest.at(at).isSpace()))
                --at;
            if (at > 1)
                cut = at;
        }
        out << rest.left(cut);
        rest = Text::trim(rest.mid(cut));
    }
    return out;
}

QString dateOrEmpty(const QDate &d) { return d.isValid() ? Formats::dateText(d) : QString(); }

int hundredths(const QString &stored) {
    const std::optional<Decimal> d = Decimal::parse(stored);
    if (!d || d->decimals() > 2)
        return -1;
    const std::optional<qint64> cents = d->timesInCents(Decimal::whole(1));
    return cents ? int(*cents) : -1;
}

} // namespace

namespace InvoiceRecord {

QString flag(bool on) { return on ? QStringLiteral("Sì") : QStringLiteral("No"); }
bool isOn(const QString &stored) { return Text::trim(stored) == QStringLiteral("Sì"); }

void fillHeader(Record &r, const Invoice &invoice, const QString &state, const InvoiceTotals *totals) {
    const Buyer &b = invoice.buyer;
    r.set("Stato", state);
    r.set("Numero", invoice.number);
    r.set("Anno", invoice.date.isValid() ? QString::number(invoice.date.year()) : QString());
    r.set("Data", dateOrEmpty(invoice.date));
    r.set("Tipo", invoice.type);
    r.set("Progressivo", invoice.progressive);
    r.set("Cliente", b.clientNumber > 0 ? QString::number(b.clientNumber) : QString());
    r.set("Denominazione", b.name);
    r.set("PartitaIva", b.vatNumber);
    r.set("CodFisc", b.taxCode);
    r.set("Indirizzo", b.street);
    r.set("CAP", b.postcode);
    r.set("Comune", b.town);
    r.set("Provincia", b.province);
    r.set("Nazione", b.country);
    r.set("CodiceDestinatario", b.recipientCode);
    r.set("PecDestinatario", b.pec);
    r.set("PA", flag(b.publicOffice));
    r.set("Scissione", flag(b.splitPayment));
    r.set("Inversione", flag(b.reverseCharge));
    r.set("Pagamento", invoice.payment);
    r.set("Giorni", QString::number(invoice.paymentDays));
    r.set("Scadenza", dateOrEmpty(invoice.due));
    r.set("Causale", invoice.causale);
    r.set("Bollo", flag(invoice.stampCharged));
    r.set("RifNumero", invoice.linkedNumber);
    r.set("RifData", dateOrEmpty(invoice.linkedDate));
    if (totals) {
        r.set("Imponibile", Decimal::fromCents(totals->taxable).text());
        r.set("Imposta", Decimal::fromCents(totals->tax).text());
        r.set("Totale", Decimal::fromCents(totals->document).text());
        r.set("Netto", Decimal::fromCents(totals->toPay).text());
    }
}

Invoice header(const Record &r) {
    Invoice invoice;
    Buyer &b = invoice.buyer;
    invoice.number = r.get("Numero");
    invoice.date = Formats::parseDate(r.get("Data"));
    invoice.type = r.get("Tipo");
    invoice.progressive = r.get("Progressivo");
    b.clientNumber = r.get("Cliente").toLongLong();
    b.name = r.get("Denominazione");
    b.vatNumber = r.get("PartitaIva");
    b.taxCode = r.get("CodFisc");
    b.street = r.get("Indirizzo");
    b.postcode = r.get("CAP");
    b.town = r.get("Comune");
    b.province = r.get("Provincia");
    b.country = r.get("Nazione");
    b.recipientCode = r.get("CodiceDestinatario");
    b.pec = r.get("PecDestinatario");
    b.publicOffice = isOn(r.get("PA"));
    b.splitPayment = isOn(r.get("Scissione"));
    b.reverseCharge = isOn(r.get("Inversione"));
    invoice.payment = r.get("Pagamento");
    bool ok = false;
    const int days = r.get("Giorni").toInt(&ok);
    invoice.paymentDays = ok ? days : 30;
    invoice.due = Formats::parseDate(r.get("Scadenza"));
    invoice.causale = r.get("Causale");
    invoice.stampCharged = isOn(r.get("Bollo"));
    invoice.linkedNumber = r.get("RifNumero");
    invoice.linkedDate = Formats::parseDate(r.get("RifData"));
    return invoice;
}

QString state(const Record &record) { return record.get("Stato"); }

void fillLine(Record &r, qint64 invoice, int number, const InvoiceLine &line, qint64 totalCents) {
    r.clear();
    r.set("Fattura", invoice > 0 ? QString::number(invoice) : QString());
    r.set("Riga", QString::number(number));
    const QStringList parts = pieces(line.description);
    for (int i = 0; i < DescriptionPieces; ++i)
        r.set(QStringLiteral("Descrizione%1").arg(i + 1).toLatin1().constData(), parts.value(i));
    r.set("Quantita", line.quantity.text());
    r.set("Prezzo", line.unitPrice.text());
    r.set("Aliquota", Decimal::fromCents(line.rate).text());
    r.set("Natura", line.natura);
    r.set("Servizio", line.service);
    r.set("Totale", Decimal::fromCents(totalCents).text());
}

std::optional<InvoiceLine> line(const Record &r) {
    InvoiceLine line;
    for (int i = 0; i < DescriptionPieces; ++i)
        line.description += r.get(QStringLiteral("Descrizione%1").arg(i + 1).toLatin1().constData());
    const std::optional<Decimal> quantity = Decimal::parse(r.get("Quantita"));
    const std::optional<Decimal> price = Decimal::parse(r.get("Prezzo"));
    const int rate = hundredths(r.get("Aliquota"));
    if (!quantity || !price || rate < 0)
        return std::nullopt;
    line.quantity = *quantity;
    line.unitPrice = *price;
    line.rate = rate;
    line.natura = r.get("Natura");
    line.service = r.get("Servizio");
    return line;
}

} // namespace InvoiceRecord
