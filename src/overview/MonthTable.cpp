#include "overview/MonthTable.h"

#include "core/text/Formats.h"

#include <cmath>

namespace MonthTable {

const QList<WorkbookColumn> &columns() {
    static const QList<WorkbookColumn> list = {
        {QStringLiteral("Mese"), 110},    {QStringLiteral("Servizi"), 70},
        {QStringLiteral("Importo"), 110}, {QStringLiteral("Appuntamenti"), 100},
        {QStringLiteral("Assolti"), 70},  {QStringLiteral("Da assolvere"), 100},
        {QStringLiteral("Scaduti"), 70},  {QStringLiteral("Ore"), 70},
    };
    return list;
}

QStringList headers() {
    QStringList list;
    for (const WorkbookColumn &c : columns())
        list.append(c.header);
    return list;
}

namespace {
const char *const kMonths[12] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                 "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

QStringList row(const QString &caption, const MonthFigures &m) {
    return {caption,
            QString::number(m.services),
            Formats::groupedCentsText(m.cents),
            QString::number(m.appointments()),
            QString::number(m.fulfilled),
            QString::number(m.pending),
            QString::number(m.overdue),
            hoursText(m.hours())};
}
} // namespace

QString monthName(int month) { return QLatin1String(kMonths[month - 1]); }
QString shortMonthName(int month) { return monthName(month).left(3); }
QString totalCaption() { return QStringLiteral("Totale"); }

QString hoursText(double hours) {
    // Rounded to hundredths first, so a sum of fractions reads as meant.
    return Formats::decimalText(std::round(hours * 100) / 100);
}

QList<QStringList> rows(const YearFigures &year) {
    QList<QStringList> list;
    for (int m = 1; m <= 12; ++m)
        list.append(row(monthName(m), year.months.at(m - 1)));
    list.append(row(totalCaption(), year.total()));
    return list;
}

QString leftOutText(int entries, int files) {
    QStringList parts;
    if (entries == 1)
        parts << QStringLiteral("1 voce non leggibile non è compresa");
    else if (entries > 1)
        parts << QString::number(entries) + QStringLiteral(" voci non leggibili non sono comprese");
    if (files == 1)
        parts << QStringLiteral("1 archivio non si è potuto leggere");
    else if (files > 1)
        parts << QString::number(files) + QStringLiteral(" archivi non si sono potuti leggere");
    return parts.join(QStringLiteral("; "));
}

} // namespace MonthTable
