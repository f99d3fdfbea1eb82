#pragma once
// The overview's table as text: one row per month and the "Totale" row, in
// the columns the screen, the print and the export share.
// Its screen: overview/Andamento.
#include "core/files/Workbook.h"
#include "overview/YearFigures.h"

#include <QList>
#include <QStringList>

namespace MonthTable {

enum Column { Mese, Servizi, Importo, Appuntamenti, Assolti, DaAssolvere, Scaduti, Ore, ColumnCount };

// The headers with their widths in the exported workbook.
const QList<WorkbookColumn> &columns();
QStringList headers();
QString monthName(int month);      // 1 = "Gennaio"
QString shortMonthName(int month); // 1 = "Gen", for the charts' axes
QString totalCaption();            // "Totale"

// Hours as a whole number, or with a comma and at most two decimals.
QString hoursText(double hours);
// Twelve month rows, then the "Totale" row.
QList<QStringList> rows(const YearFigures &year);

// What the figures leave out, told beside them; empty when nothing is.
QString leftOutText(int entries, int files);

} // namespace MonthTable
