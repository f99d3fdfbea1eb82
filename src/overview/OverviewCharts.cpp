#include "overview/OverviewCharts.h"

#include "overview/MonthTable.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace OverviewCharts {

QString fulfilledName() { return QStringLiteral("Assolti"); }
QString overdueName() { return QStringLiteral("Scaduti"); }
QString pendingName() { return QStringLiteral("Da assolvere"); }

namespace {

QChart *frame(const QString &title) {
    auto *chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSize(10);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(6);
    return chart;
}

QBarCategoryAxis *monthAxis() {
    auto *axis = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m)
        axis->append(MonthTable::shortMonthName(m));
    QFont font = axis->labelsFont();
    font.setPointSize(7);
    axis->setLabelsFont(font);
    // Three letters fit a month's place even in the narrowest chart; Qt would
    // cut them to "G…" as soon as they touched their neighbours.
    axis->setTruncateLabels(false);
    return axis;
}

// A value axis from zero with some room above the highest value, in steps of
// 1, 2 or 5 times a power of ten and never less than 1, so the whole-number
// labels never repeat (an empty or quiet year would show "0 0 0 1 1 1").
QValueAxis *valueAxis(double top, const char *format) {
    const double room = std::max(top * 1.1, 5.0);
    const double want = room / 5; // about five steps
    double power = 1;
    while (power * 10 <= want)
        power *= 10;
    double step = power * 10;
    for (double m : {1.0, 2.0, 5.0})
        if (power * m >= want) {
            step = power * m;
            break;
        }
    const int ticks = int(std::ceil(room / step));
    auto *axis = new QValueAxis;
    axis->setRange(0, step * ticks);
    axis->setTickCount(ticks + 1);
    axis->setLabelFormat(QLatin1String(format));
    QFont font = axis->labelsFont();
    font.setPointSize(7);
    axis->setLabelsFont(font);
    return axis;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y) {
    chart->addSeries(series);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

QBarSet *amountSet(Year year, const QColor &color, double &top) {
    auto *set = new QBarSet(QString::number(year.number));
    set->setColor(color);
    for (const MonthFigures &m : year.figures->months) {
        set->append(m.amount());
        top = std::max(top, m.amount());
    }
    return set;
}

} // namespace

QChart *amounts(Year year, Year previous) {
    QChart *chart = frame(QStringLiteral("Servizi fatturati (€)"));
    auto *series = new QBarSeries;
    double top = 0;
    if (previous.figures)
        series->append(amountSet(previous, QColor(176, 196, 222), top));
    series->append(amountSet(year, QColor(46, 112, 180), top));
    attach(chart, series, monthAxis(), valueAxis(top, "%.0f"));
    return chart;
}

QChart *visits(const YearFigures &year) {
    QChart *chart = frame(QStringLiteral("Appuntamenti"));
    auto *series = new QStackedBarSeries;
    auto *fulfilled = new QBarSet(fulfilledName());
    auto *overdue = new QBarSet(overdueName());
    auto *pending = new QBarSet(pendingName());
    fulfilled->setColor(QColor(52, 140, 110));
    overdue->setColor(QColor(190, 60, 70));
    pending->setColor(QColor(230, 160, 40));
    double top = 0;
    for (const MonthFigures &m : year.months) {
        fulfilled->append(m.fulfilled);
        overdue->append(m.overdue);
        pending->append(m.pending);
        top = std::max(top, double(m.appointments()));
    }
    series->append({fulfilled, overdue, pending});
    attach(chart, series, monthAxis(), valueAxis(top, "%.0f"));
    return chart;
}

QChart *hours(const YearFigures &year) {
    QChart *chart = frame(QStringLiteral("Ore di lavoro"));
    auto *series = new QLineSeries;
    series->setName(QStringLiteral("Ore"));
    series->setPointsVisible(true);
    series->setColor(QColor(120, 80, 170));
    double top = 0;
    // On the category axis the months lie at 0 to 11.
    for (int i = 0; i < 12; ++i) {
        series->append(i, year.months.at(i).hours());
        top = std::max(top, year.months.at(i).hours());
    }
    attach(chart, series, monthAxis(), valueAxis(top, "%.0f"));
    return chart;
}

QImage picture(QChart *chart, QSize size) {
    // A scene of its own owns and deletes the chart; the chart lays itself out
    // at the size asked before it is drawn, as it would once shown.
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    chart->layout()->activate();
    // Three pixels a point, so the print stays sharp at the chart's own lettering.
    QImage image(size * 3, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(3);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace OverviewCharts
