#pragma once
// The overview's three charts for a year: the amount billed per month (with
// the previous year's beside it when there is one), the appointments by state
// stacked, and a line of the hours.
// Its screen: overview/Andamento.
#include "overview/YearFigures.h"

#include <QImage>
#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace OverviewCharts {

struct Year {
    int number;
    const YearFigures *figures;
};

// The charts are new: the caller owns them. previous.figures may be null.
QChart *amounts(Year year, Year previous);
QChart *visits(const YearFigures &year);
QChart *hours(const YearFigures &year);

// The chart drawn at this size, for the printed page (the chart is deleted).
QImage picture(QChart *chart, QSize size);

QString fulfilledName(); // "Assolti"
QString overdueName();   // "Scaduti"
QString pendingName();   // "Da assolvere"

} // namespace OverviewCharts
