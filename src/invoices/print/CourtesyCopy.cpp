#include "invoices/print/CourtesyCopy.h"

#include "core/files/PictureFile.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/Formats.h"
#include "invoices/einvoice/EInvoiceFile.h"
#include "invoices/einvoice/InvoiceXml.h"
#include "invoices/einvoice/Natura.h"
#include "reports/ListReport.h"
#include "reports/ReportEngine.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int DescriptionWidth = 46;

QString column(const QString &text, int width, bool right = false) {
    const QString cut = text.left(width);
    return right ? cut.rightJustified(width) : cut.leftJustified(width);
}

QString rateText(const InvoiceLine &line) {
    return line.natura.isEmpty() ? Decimal::fromCents(line.rate).text() + QLatin1Char('%') : line.natura;
}

// The description in pieces of the column's width, cut between words where it can.
QStringList wrapped(const QString &text) {
    QStringList out;
    QString rest = text.simplified();
    while (rest.size() > DescriptionWidth) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), DescriptionWidth);
        if (cut <= 0)
            cut = DescriptionWidth;
        out << rest.left(cut);
        rest = rest.mid(cut).trimmed();
    }
    out << rest;
    return out;
}

QString address(const Party &p) {
    return p.street + QLatin1Char('\n') + p.postcode + QLatin1Char(' ') + p.town +
           (p.province.isEmpty() ? QString() : QStringLiteral(" (") + p.province + QLatin1Char(')'));
}

QString fiscalCodes(const Party &p) {
    QStringList parts;
    if (!p.vatNumber.isEmpty())
        parts << QStringLiteral("P. IVA ") + p.vatNumber;
    if (!p.taxCode.isEmpty() && p.taxCode != p.vatNumber)
        parts << QStringLiteral("C.F. ") + p.taxCode;
    return parts.join(QStringLiteral(" - "));
}

} // namespace

namespace CourtesyCopy {

QString fileName(const Invoice &invoice) {
    return QStringLiteral("Fattura_%1_%2.pdf").arg(invoice.number).arg(invoice.date.year());
}

QString path(const Invoice &invoice) { return EInvoiceFile::folder(invoice.date.year()) + fileName(invoice); }

QStringList lineTexts(const Invoice &invoice, const InvoiceTotals &totals) {
    QStringList out;
    for (qsizetype i = 0; i < invoice.lines.size(); ++i) {
        const InvoiceLine &line = invoice.lines.at(i);
        const QStringList description = wrapped(line.description);
        out << column(description.first(), DescriptionWidth) + QLatin1Char(' ') +
                   column(line.quantity.text(), 10, true) + QLatin1Char(' ') +
                   column(line.unitPrice.text(), 14, true) + QLatin1Char(' ') +
                   column(rateText(line), 6, true) + QLatin1Char(' ') +
                   column(Money::text(totals.lineTotals.at(i)), 14, true);
        for (qsizetype j = 1; j < description.size(); ++j)
            out << description.at(j);
    }
    return out;
}

QStringList totalTexts(const Invoice &invoice, const InvoiceTotals &totals) {
    QStringList out;
    for (const TaxSummary &s : totals.summaries)
        out << column(s.natura.isEmpty()
                          ? QStringLiteral("IVA ") + Decimal::fromCents(s.rate).text() + QLatin1Char('%')
                          : s.natura,
                      20) +
                   QStringLiteral(" Imponibile ") + column(Money::text(s.taxable), 14, true) +
                   QStringLiteral("   Imposta ") + column(Money::text(s.tax), 14, true) +
                   (s.chargeability == QLatin1String("S") ? QStringLiteral("  (scissione)") : QString());
    out << QString();
    out << column(QStringLiteral("Totale imponibile"), 40) + column(Money::text(totals.taxable), 16, true);
    out << column(QStringLiteral("Totale IVA"), 40) + column(Money::text(totals.tax), 16, true);
    if (totals.stampDuty && invoice.stampCharged)
        out << column(QStringLiteral("Imposta di bollo"), 40) +
                   column(Money::text(Natura::StampDutyCents), 16, true);
    out << column(QStringLiteral("TOTALE DOCUMENTO (EUR)"), 40) +
               column(Money::text(totals.document), 16, true);
    if (totals.toPay != totals.document)
        out << column(QStringLiteral("NETTO A PAGARE (EUR)"), 40) +
                   column(Money::text(totals.toPay), 16, true);
    return out;
}

QStringList notes(const Invoice &invoice, const InvoiceTotals &totals) {
    QStringList out;
    for (const TaxSummary &s : totals.summaries)
        if (!s.reference.isEmpty())
            out << s.natura + QStringLiteral(": ") + s.reference;
    if (invoice.buyer.splitPayment)
        out << InvoiceXml::splitPaymentNote();
    if (totals.stampDuty)
        out << InvoiceXml::stampDutyNote() + QStringLiteral(" (euro 2,00)");
    if (!invoice.causale.trimmed().isEmpty())
        out << invoice.causale.trimmed();
    return out;
}

bool fill(ReportEngine &engine, const Seller &seller, const Invoice &invoice, const InvoiceTotals &totals) {
    if (!engine.load(QStringLiteral(":/reports/Fattura.json")))
        return false;
    const QString kind =
        invoice.isCreditNote() ? QStringLiteral("Nota di credito") : QStringLiteral("Fattura");
    engine.report().title = kind + QStringLiteral(" n. ") + invoice.number + QStringLiteral(" del ") +
                            Formats::dateText(invoice.date);
    const QImage logo = PictureFile::read(ProgramFolder::file(QStringLiteral("Logo.bmp")), 1200);
    if (!logo.isNull())
        engine.setPicture(QStringLiteral("imgLogo"), logo);
    QStringList document = {kind + QStringLiteral(" n. ") + invoice.number,
                            QStringLiteral("del ") + Formats::dateText(invoice.date)};
    if (invoice.isCreditNote() && !invoice.linkedNumber.isEmpty())
        document << QStringLiteral("riferita alla fattura n. ") + invoice.linkedNumber +
                        (invoice.linkedDate.isValid()
                             ? QStringLiteral(" del ") + Formats::dateText(invoice.linkedDate)
                             : QString());
    const QDate due = invoice.due.isValid() ? invoice.due : invoice.date.addDays(invoice.paymentDays);
    document << QStringLiteral("Scadenza: ") + Formats::dateText(due);
    if (!seller.iban.isEmpty())
        document << QStringLiteral("IBAN: ") + seller.iban;
    const QStringList lines = lineTexts(invoice, totals);
    const double height = lines.size() * ListReport::lineHeight;
    const QString header = column(QStringLiteral("Descrizione"), DescriptionWidth) + QLatin1Char(' ') +
                           column(QStringLiteral("Quantità"), 10, true) + QLatin1Char(' ') +
                           column(QStringLiteral("Prezzo"), 14, true) + QLatin1Char(' ') +
                           column(QStringLiteral("IVA"), 6, true) + QLatin1Char(' ') +
                           column(QStringLiteral("Importo"), 14, true);
    return engine.setText(QStringLiteral("txtDitta"), seller.name + QLatin1Char('\n') + address(seller) +
                                                          QLatin1Char('\n') + fiscalCodes(seller)) &&
           engine.setText(QStringLiteral("txtDocumento"), document.join(QLatin1Char('\n'))) &&
           engine.setText(QStringLiteral("txtCliente"), QStringLiteral("Spett.le\n") + invoice.buyer.name +
                                                            QLatin1Char('\n') + address(invoice.buyer) +
                                                            QLatin1Char('\n') + fiscalCodes(invoice.buyer)) &&
           engine.setText(QStringLiteral("txtIntestazione"), header) &&
           engine.setLines(QStringLiteral("txtRighe"), lines) &&
           engine.setHeight(QStringLiteral("txtRighe"), height) &&
           engine.setHeight(QStringLiteral("MasterData"), height + ListReport::bandExtra) &&
           engine.setLines(QStringLiteral("txtRiepilogo"), totalTexts(invoice, totals)) &&
           engine.setText(QStringLiteral("txtNote"), notes(invoice, totals).join(QLatin1Char('\n')));
}

bool writePdf(const QString &path, const Seller &seller, const Invoice &invoice,
              const InvoiceTotals &totals) {
    ReportEngine engine;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !fill(engine, seller, invoice, totals) ||
        !engine.prepare())
        return false;
    PdfSettings settings;
    settings.title = engine.report().title;
    settings.subject = QStringLiteral("Copia di cortesia");
    settings.author = seller.name;
    settings.creator = QStringLiteral("Tersalia");
    return engine.exportPdf(path, settings);
}

} // namespace CourtesyCopy
