#include "invoices/issue/IssueChecks.h"

#include "invoices/einvoice/Natura.h"
#include "validators/TaxCodeCheck.h"
#include "validators/VatNumberCheck.h"

#include <QRegularExpression>

namespace {

class Problems {
public:
    void add(const QString &field, const QString &message) { list << IssueProblem{field, message}; }
    void require(bool ok, const QString &field, const QString &message) {
        if (!ok)
            add(field, message);
    }
    QList<IssueProblem> list;
};

bool isItaly(const Party &party) {
    return party.country.trimmed().isEmpty() || party.country.trimmed().toUpper() == QLatin1String("IT");
}

bool matches(const QString &text, const char *pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
        .match(text)
        .hasMatch();
}

// Street, a five-digit CAP, the comune and, in Italy, the province.
void address(Problems &p, const Party &party, const QString &whose) {
    p.require(!party.street.trimmed().isEmpty(), QStringLiteral("Indirizzo ") + whose,
              QStringLiteral("Attenzione: indicare l'indirizzo (via e numero civico) ") + whose +
                  QLatin1Char('.'));
    p.require(matches(party.postcode.trimmed(), "[0-9]{5}"), QStringLiteral("CAP ") + whose,
              QStringLiteral("Attenzione: il CAP ") + whose +
                  QStringLiteral(" deve essere di cinque cifre."));
    p.require(!party.town.trimmed().isEmpty(), QStringLiteral("Comune ") + whose,
              QStringLiteral("Attenzione: indicare il comune ") + whose + QLatin1Char('.'));
    if (isItaly(party))
        p.require(
            matches(party.province.trimmed().toUpper(), "[A-Z]{2}"), QStringLiteral("Provincia ") + whose,
            QStringLiteral("Attenzione: indicare la sigla della provincia ") + whose + QLatin1Char('.'));
}

// A tax code: sixteen characters with their check character, or a company's
// eleven-digit one.
bool isTaxCode(const QString &code) {
    const QString c = code.trimmed().toUpper();
    return c.size() == VatNumberCheck::Length ? VatNumberCheck::isValid(c) : TaxCodeCheck::isValid(c);
}

void seller(Problems &p, const Seller &s) {
    const QString whose = QStringLiteral("dell'impresa");
    p.require(!s.name.trimmed().isEmpty(), QStringLiteral("Denominazione dell'impresa"),
              QStringLiteral("Attenzione: indicare la denominazione dell'impresa nei dati dell'impresa."));
    p.require(VatNumberCheck::isValid(s.vatNumber.trimmed()), QStringLiteral("Partita IVA dell'impresa"),
              QStringLiteral("Attenzione: la partita IVA dell'impresa non è valida: correggerla nei dati "
                             "dell'impresa."));
    if (!s.taxCode.trimmed().isEmpty())
        p.require(isTaxCode(s.taxCode), QStringLiteral("Codice fiscale dell'impresa"),
                  QStringLiteral("Attenzione: il codice fiscale dell'impresa non è valido."));
    address(p, s, whose);
}

void buyer(Problems &p, const Buyer &b, bool anyReverseCharge) {
    const QString whose = QStringLiteral("del cliente");
    p.require(!b.name.trimmed().isEmpty(), QStringLiteral("Cliente"),
              QStringLiteral("Attenzione: indicare il cliente (cognome e nome o ragione sociale)."));
    const QString vat = b.vatNumber.trimmed(), taxCode = b.taxCode.trimmed();
    if (vat.isEmpty() && taxCode.isEmpty())
        p.add(QStringLiteral("Partita IVA o codice fiscale del cliente"),
              QStringLiteral("Attenzione: indicare la partita IVA o il codice fiscale del cliente."));
    if (!vat.isEmpty() && isItaly(b))
        p.require(VatNumberCheck::isValid(vat), QStringLiteral("Partita IVA del cliente"),
                  QStringLiteral("Attenzione: la partita IVA del cliente non è valida."));
    if (!taxCode.isEmpty() && isItaly(b))
        p.require(isTaxCode(taxCode), QStringLiteral("Codice fiscale del cliente"),
                  QStringLiteral("Attenzione: il codice fiscale del cliente non è valido."));
    if (anyReverseCharge)
        p.require(
            !vat.isEmpty(), QStringLiteral("Partita IVA del cliente"),
            QStringLiteral("Attenzione: l'inversione contabile vale solo per un cliente con partita IVA."));
    address(p, b, whose);

    const QString code = b.recipientCode.trimmed().toUpper();
    if (b.publicOffice) {
        p.require(
            matches(code, "[A-Z0-9]{6}"), QStringLiteral("Codice destinatario"),
            QStringLiteral("Attenzione: per una pubblica amministrazione il codice destinatario (codice "
                           "univoco ufficio) è di sei caratteri."));
    } else if (!code.isEmpty()) {
        p.require(
            matches(code, "[A-Z0-9]{7}"), QStringLiteral("Codice destinatario"),
            QStringLiteral("Attenzione: il codice destinatario è di sette caratteri (\"0000000\" per chi "
                           "riceve tramite PEC o è un privato)."));
    }
    if (const QString pec = b.pec.trimmed(); !pec.isEmpty())
        p.require(matches(pec, "[^@\\s]+@[^@\\s]+\\.[^@\\s]+"), QStringLiteral("PEC del cliente"),
                  QStringLiteral("Attenzione: l'indirizzo PEC del cliente non è valido."));
}

void lines(Problems &p, const Invoice &invoice) {
    if (invoice.lines.isEmpty()) {
        p.add(QStringLiteral("Righe"), QStringLiteral("Attenzione: la fattura deve avere almeno una riga."));
        return;
    }
    for (qsizetype i = 0; i < invoice.lines.size(); ++i) {
        const InvoiceLine &line = invoice.lines.at(i);
        const QString field = QStringLiteral("Riga %1").arg(i + 1);
        p.require(!line.description.trimmed().isEmpty(), field,
                  QStringLiteral("Attenzione: la riga %1 non ha una descrizione.").arg(i + 1));
        if (line.rate == 0)
            p.require(Natura::isKnown(line.natura), field,
                      QStringLiteral("Attenzione: la riga %1 è allo 0%: indicarne la natura (N1 ... N7).")
                          .arg(i + 1));
        else
            p.require(line.natura.isEmpty(), field,
                      QStringLiteral("Attenzione: la riga %1 ha un'aliquota IVA e una natura: la natura vale "
                                     "solo allo 0%.")
                          .arg(i + 1));
        p.require(
            !line.quantity.isNegative() && !line.quantity.isZero(), field,
            QStringLiteral("Attenzione: la quantità della riga %1 deve essere maggiore di zero.").arg(i + 1));
    }
}

} // namespace

namespace IssueChecks {

QList<IssueProblem> of(const Seller &s, const Invoice &invoice) {
    Problems p;
    seller(p, s);
    bool anyReverseCharge = false;
    for (const InvoiceLine &line : invoice.lines)
        anyReverseCharge = anyReverseCharge || line.natura == QLatin1String(Natura::ReverseCharge);
    buyer(p, invoice.buyer, anyReverseCharge);
    p.require(invoice.date.isValid(), QStringLiteral("Data"),
              QStringLiteral("Attenzione: indicare la data della fattura."));
    if (invoice.isCreditNote())
        p.require(
            !invoice.linkedNumber.trimmed().isEmpty(), QStringLiteral("Fattura di riferimento"),
            QStringLiteral("Attenzione: una nota di credito deve indicare la fattura a cui si riferisce."));
    lines(p, invoice);
    return p.list;
}

} // namespace IssueChecks
