#include "appointments/planning/PlanningPrint.h"

#include "appointments/planning/PlanningView.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "reports/ReportEngine.h"
#include "reports/ReportOutput.h"
#include "reports/ReportUnits.h"

using namespace Planning;

namespace PlanningPrint {
namespace {

constexpr double mm = ReportUnits::fromMm(1);
// Places on the page, in millimetres inside the margins.
constexpr double kWidth = 277, kHeadingsTop = 9.5, kHeadings = 6, kSheetTop = 16, kSheetBottom = 183;
constexpr double kHourColumn = 13, kStripLine = 3.4;

ReportObject memo(const QString &name, const QRectF &mmRect, const QString &text, double points = 6,
                  bool bold = false) {
    ReportObject o;
    o.name = name;
    o.kind = ReportObjectKind::Memo;
    o.rect = QRectF(mmRect.x() * mm, mmRect.y() * mm, mmRect.width() * mm, mmRect.height() * mm);
    o.font.family = QStringLiteral("Arial");
    o.font.size = points;
    o.font.bold = bold;
    o.wordWrap = false;
    o.padding = QMarginsF(2, 0.5, 1, 0);
    o.setText(text);
    return o;
}

ReportObject line(const QString &name, const QPointF &from, const QPointF &to, const QColor &color) {
    ReportObject o;
    o.name = name;
    o.kind = ReportObjectKind::Line;
    o.rect = QRectF(from * mm, to * mm);
    o.frame.color = color;
    o.frame.width = 0.75;
    return o;
}

double dayLeft(int day) { return kHourColumn + (kWidth - kHourColumn) * day / 7; }

} // namespace

bool fill(ReportEngine &engine, const Week &week, const QList<Block> &blocks, const QString &operatorName) {
    if (!engine.load(QStringLiteral(":/reports/Planning.json")))
        return false;
    const QDate monday = week.monday();
    QString title = QStringLiteral("Planning settimanale dal ") + Formats::dateText(monday) +
                    QStringLiteral(" al ") + Formats::dateText(monday.addDays(6));
    if (!operatorName.isEmpty())
        title += QStringLiteral(" \u2013 Operatore: ") + operatorName;
    engine.report().title = title;
    const QDateTime now = Clock::now();
    if (!engine.setText(QStringLiteral("txtTitolo"), title) ||
        !engine.setText(QStringLiteral("txtPagina"),
                        QStringLiteral("Stampa eseguita in data ") + Formats::dateText(now.date()) +
                            QStringLiteral(" alle ore ") + Formats::longTimeText(now.time())))
        return false;

    QList<ReportObject> &objects = engine.report().pages.first().objects;
    const double dayWidth = (kWidth - kHourColumn) / 7;
    const int earlyLines = std::min(stripMostLines, std::max(1, stripLines(blocks, Place::Early)));
    const int lateLines = std::min(stripMostLines, std::max(1, stripLines(blocks, Place::Late)));
    const double gridTop = kSheetTop + earlyLines * kStripLine + 1;
    const double gridBottom = kSheetBottom - lateLines * kStripLine - 1;
    const double row = (gridBottom - gridTop) / rows;
    const QColor grid(170, 178, 190), half(214, 219, 226);

    for (int d = 0; d < 7; ++d) {
        ReportObject h = memo(QStringLiteral("txtGiorno%1").arg(d + 1),
                              QRectF(dayLeft(d) + 0.3, kHeadingsTop, dayWidth - 0.6, kHeadings),
                              PlanningLook::dayHeading(monday.addDays(d)), 8, true);
        h.fill = PlanningLook::headingFill(monday.addDays(d), false);
        h.textColor = Qt::white;
        h.alignment = Qt::AlignCenter;
        objects.append(h);
    }
    // The strips' ground, the hours and the lines of the rows and the days.
    for (const auto &[name, top, bottom] :
         {std::tuple{"shpPrima", kSheetTop, gridTop}, std::tuple{"shpDopo", gridBottom, kSheetBottom}}) {
        ReportObject s = memo(QLatin1String(name), QRectF(0, top, kWidth, bottom - top), QString());
        s.fill = QColor(238, 241, 246);
        objects.append(s);
    }
    objects.append(memo(QStringLiteral("txtPrima"), QRectF(0, kSheetTop, kHourColumn, kStripLine),
                        QStringLiteral("< 06:00")));
    objects.append(memo(QStringLiteral("txtDopo"), QRectF(0, gridBottom, kHourColumn, kStripLine),
                        QStringLiteral("> 22:00")));
    for (int r = 0; r <= rows; ++r) {
        const double y = gridTop + r * row;
        const bool hour = r % 2 == 0;
        objects.append(line(QStringLiteral("lin%1").arg(r), QPointF(hour ? 0 : kHourColumn, y),
                            QPointF(kWidth, y), hour ? grid : half));
        if (hour && r < rows)
            objects.append(memo(QStringLiteral("txtOra%1").arg(firstHour + r / 2),
                                QRectF(0, y, kHourColumn - 1, row),
                                QStringLiteral("%1:00").arg(firstHour + r / 2, 2, 10, QLatin1Char('0')), 7));
    }
    for (int d = 0; d <= 7; ++d)
        objects.append(line(QStringLiteral("col%1").arg(d), QPointF(d < 7 ? dayLeft(d) : kWidth, kSheetTop),
                            QPointF(d < 7 ? dayLeft(d) : kWidth, kSheetBottom), grid));

    // The blocks, as on screen; a strip with more than its room ends with a
    // line that counts the rest.
    int inStrip[7][2] = {};
    for (const Block &b : blocks)
        if (b.place != Place::Grid)
            ++inStrip[b.day][b.place == Place::Late];
    int leftOut[7][2] = {};
    const auto stripTop = [&](bool late, int lineNo) {
        return (late ? gridBottom : kSheetTop) + 0.5 + lineNo * kStripLine;
    };
    for (const Block &b : blocks) {
        const Appointment &a = week.appointments().at(b.appointment);
        QRectF box;
        QString text;
        if (b.place == Place::Grid) {
            const double width = (dayWidth - 0.8) / b.lanes;
            const double top = gridTop + b.offset * row / rowMinutes;
            const double bottom = std::min(top + blockMinutes * row / rowMinutes, gridBottom);
            box = QRectF(dayLeft(b.day) + 0.4 + b.lane * width, top + 0.2, width - 0.3, bottom - top - 0.4);
            text = a.time + QLatin1Char(' ') + a.client + QLatin1Char('\n') + a.services + QLatin1Char('\n') +
                   a.operatorName;
        } else {
            const bool late = b.place == Place::Late;
            const int room = late ? lateLines : earlyLines;
            if (inStrip[b.day][late] > room && b.line >= room - 1) {
                ++leftOut[b.day][late];
                continue;
            }
            box = QRectF(dayLeft(b.day) + 0.4, stripTop(late, b.line), dayWidth - 0.8, kStripLine - 0.3);
            text = a.time + QLatin1Char(' ') + a.client + QStringLiteral(" \u2013 ") + a.services;
        }
        ReportObject o = memo(QStringLiteral("blk%1").arg(a.number), box, text);
        o.fill = PlanningLook::fill(a.state);
        o.textColor = PlanningLook::text(a.state);
        o.frame.setAll(true);
        o.frame.color = PlanningLook::border(a.state);
        o.frame.width = 0.75;
        objects.append(o);
    }
    for (int d = 0; d < 7; ++d)
        for (const bool late : {false, true})
            if (leftOut[d][late] > 0)
                objects.append(
                    memo(QStringLiteral("txtAltri%1%2").arg(late ? "Dopo" : "Prima").arg(d + 1),
                         QRectF(dayLeft(d) + 0.4, stripTop(late, (late ? lateLines : earlyLines) - 1),
                                dayWidth - 0.8, kStripLine - 0.3),
                         QStringLiteral("\u2026 e altri %1").arg(leftOut[d][late])));
    return true;
}

void preview(QWidget *parent, const Week &week, const QList<Block> &blocks, const QString &operatorName) {
    ReportOutput::preview(parent,
                          [&](ReportEngine &engine) { return fill(engine, week, blocks, operatorName); });
}

} // namespace PlanningPrint
