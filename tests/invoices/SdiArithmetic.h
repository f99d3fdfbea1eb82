#pragma once
// The exchange system's arithmetic on an e-invoice, read from the XML alone
// (not from the code that wrote it): each line's PrezzoTotale is Quantita x
// PrezzoUnitario rounded half up to the cent; one DatiRiepilogo per rate and
// Natura, with the sum of its lines and its tax rounded once on that sum;
// Natura exactly at 0%; the document total; the recipient code's length for
// the format; the stamp duty on exempt amounts over 77,47 euro.
#include <QMap>
#include <QStringList>
#include <QXmlStreamReader>

namespace SdiArithmetic {

// A decimal read from the XML as an integer of hundred-millionths.
inline qint64 e8(const QString &text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point),
            fraction = point < 0 ? QString() : text.mid(point + 1);
    fraction = fraction.leftJustified(8, QLatin1Char('0'));
    const bool negative = whole.startsWith(QLatin1Char('-'));
    const qint64 v = whole.remove(QLatin1Char('-')).toLongLong() * 100000000 + fraction.toLongLong();
    return negative ? -v : v;
}

// Quantity x price, both in e8, rounded half up to whole cents and given
// back in e8. Each is split into units and hundred-millionths so that no
// partial product leaves 64 bits (amounts are positive here).
inline qint64 productToCents(qint64 a, qint64 b) {
    constexpr qint64 E8 = 100000000, E14 = 100000000000000LL;
    const qint64 aHi = a / E8, aLo = a % E8, bHi = b / E8, bLo = b % E8;
    const qint64 middle = aHi * bLo + aLo * bHi; // weight 1e-8 of a unit
    qint64 cents = aHi * bHi * 100 + middle / 1000000;
    qint64 rest = (middle % 1000000) * E8 + aLo * bLo; // weight 1e-16
    cents += rest / E14;
    rest %= E14;
    if (rest * 2 >= E14)
        ++cents;
    return cents * 1000000;
}

struct Line {
    qint64 quantity, price, total, rate;
    QString natura;
};
struct Summary {
    qint64 rate, taxable, tax;
    QString natura, chargeability;
};

inline QStringList faults(const QByteArray &xml, bool stampCharged = false) {
    QStringList found;
    QXmlStreamReader r(xml);
    QList<Line> lines;
    QList<Summary> summaries;
    QMap<QString, QString> one; // the last text of each element outside lines and summaries
    QString versione;
    bool hasStampBlock = false;
    QString stampAmount, stampVirtual;
    Line line{};
    Summary summary{};
    QString in; // "line", "summary" or empty
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = r.name().toString();
            if (name == QLatin1String("FatturaElettronica"))
                versione = r.attributes().value(QLatin1String("versione")).toString();
            if (name == QLatin1String("DettaglioLinee")) {
                in = QStringLiteral("line");
                line = Line{100000000, 0, 0, 0, {}}; // Quantita may be left out: 1
                continue;
            }
            if (name == QLatin1String("DatiRiepilogo")) {
                in = QStringLiteral("summary");
                summary = Summary{};
                continue;
            }
            if (name == QLatin1String("DatiBollo"))
                hasStampBlock = true;
            if (r.readNext() != QXmlStreamReader::Characters)
                continue;
            const QString text = r.text().toString();
            if (in == QLatin1String("line")) {
                if (name == QLatin1String("Quantita"))
                    line.quantity = e8(text);
                if (name == QLatin1String("PrezzoUnitario"))
                    line.price = e8(text);
                if (name == QLatin1String("PrezzoTotale"))
                    line.total = e8(text);
                if (name == QLatin1String("AliquotaIVA"))
                    line.rate = e8(text);
                if (name == QLatin1String("Natura"))
                    line.natura = text;
            } else if (in == QLatin1String("summary")) {
                if (name == QLatin1String("AliquotaIVA"))
                    summary.rate = e8(text);
                if (name == QLatin1String("Natura"))
                    summary.natura = text;
                if (name == QLatin1String("ImponibileImporto"))
                    summary.taxable = e8(text);
                if (name == QLatin1String("Imposta"))
                    summary.tax = e8(text);
                if (name == QLatin1String("EsigibilitaIVA"))
                    summary.chargeability = text;
            } else {
                if (name == QLatin1String("ImportoBollo"))
                    stampAmount = text;
                if (name == QLatin1String("BolloVirtuale"))
                    stampVirtual = text;
                one.insert(name, text);
            }
        } else if (r.isEndElement()) {
            if (r.name() == QLatin1String("DettaglioLinee")) {
                lines << line;
                in.clear();
            } else if (r.name() == QLatin1String("DatiRiepilogo")) {
                summaries << summary;
                in.clear();
            }
        }
    }
    if (r.hasError())
        found << QStringLiteral("XML: ") + r.errorString();

    const auto key = [](qint64 rate, const QString &natura) {
        return QString::number(rate) + QLatin1Char('/') + natura;
    };
    QMap<QString, qint64> sums;
    qint64 stampBase = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const Line &l = lines[i];
        if (productToCents(l.quantity, l.price) != l.total)
            found << QStringLiteral("line %1: PrezzoTotale is not Quantita x PrezzoUnitario rounded")
                         .arg(i + 1);
        if ((l.rate == 0) != !l.natura.isEmpty())
            found << QStringLiteral("line %1: Natura must be given exactly at 0%").arg(i + 1);
        sums[key(l.rate, l.natura)] += l.total;
        if (l.natura.startsWith(QLatin1String("N2")) || l.natura.startsWith(QLatin1String("N3")) ||
            l.natura == QLatin1String("N4"))
            stampBase += l.total;
    }
    qint64 document = 0;
    QMap<QString, int> seen;
    for (const Summary &s : summaries) {
        const QString k = key(s.rate, s.natura);
        if (++seen[k] > 1)
            found << QStringLiteral("summary %1 twice").arg(k);
        if (!sums.contains(k))
            found << QStringLiteral("summary %1 has no lines").arg(k);
        else if (sums.value(k) != s.taxable)
            found << QStringLiteral("summary %1: ImponibileImporto is not the sum of its lines").arg(k);
        // tax = taxable x rate / 100, rounded half up once.
        if (productToCents(s.taxable, s.rate / 100) != s.tax)
            found << QStringLiteral("summary %1: Imposta is not rounded once on the summary").arg(k);
        if (s.chargeability == QLatin1String("S") && !s.natura.isEmpty())
            found << QStringLiteral("summary %1: split payment on a Natura").arg(k);
        document += s.taxable + s.tax;
    }
    for (auto it = sums.cbegin(); it != sums.cend(); ++it)
        if (!seen.contains(it.key()))
            found << QStringLiteral("lines of %1 without a summary").arg(it.key());

    const bool stamp = stampBase > e8(QStringLiteral("77.47"));
    if (stamp != hasStampBlock)
        found << QStringLiteral("DatiBollo %1 expected").arg(stamp ? "" : "not");
    if (stamp && (stampVirtual != QLatin1String("SI") || stampAmount != QLatin1String("2.00")))
        found << QStringLiteral("DatiBollo must be BolloVirtuale SI, ImportoBollo 2.00");
    if (stamp && stampCharged)
        document += e8(QStringLiteral("2.00"));
    if (e8(one.value(QStringLiteral("ImportoTotaleDocumento"))) != document)
        found << QStringLiteral("ImportoTotaleDocumento is not the summaries' total");

    const QString format = one.value(QStringLiteral("FormatoTrasmissione"));
    if (format != versione)
        found << QStringLiteral("versione differs from FormatoTrasmissione");
    const int codeLength = int(one.value(QStringLiteral("CodiceDestinatario")).size());
    if (codeLength != (format == QLatin1String("FPA12") ? 6 : 7))
        found << QStringLiteral("CodiceDestinatario of the wrong length for %1").arg(format);
    return found;
}

} // namespace SdiArithmetic
