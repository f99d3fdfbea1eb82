#pragma once
// The overview's printed page: the three charts and the table of the year on
// one A4 landscape sheet (reports/Andamento.json), shown in the preview, from
// which it is printed.
// Its screen: overview/Andamento.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class ReportEngine;
class QWidget;

namespace OverviewPrint {

struct Page {
    int year;
    QList<QStringList> rows; // the table as shown, "Totale" last
    QString leftOut;         // what the figures leave out, or empty
    QList<QImage> charts;    // amounts, appointments, hours
};

// Fills the template; false (with the engine's error) when it cannot be.
bool fill(ReportEngine &engine, const Page &page);
// Fills, prepares and shows the preview; false when the page could not be made.
bool preview(QWidget *parent, const Page &page);
QString title(int year); // "Andamento dell'anno 2024"
QString failureText();

} // namespace OverviewPrint
