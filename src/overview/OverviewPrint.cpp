#include "overview/OverviewPrint.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "reports/ReportEngine.h"
#include "reports/ReportOutput.h"

namespace OverviewPrint {

namespace {
// The table's memos in the template, in the order of the columns.
const char *const kColumns[] = {"Mese",    "Servizi",     "Importo", "Appuntamenti",
                                "Assolti", "DaAssolvere", "Scaduti", "Ore"};
const char *const kCharts[] = {"imgImporti", "imgAppuntamenti", "imgOre"};
} // namespace

QString title(int year) { return QStringLiteral("Andamento dell'anno %1").arg(year); }

QString failureText() {
    return QStringLiteral("Attenzione: non è stato possibile preparare la stampa dell'andamento dell'anno.");
}

bool fill(ReportEngine &engine, const Page &page) {
    if (!engine.load(QStringLiteral(":/reports/Andamento.json")) || page.rows.isEmpty())
        return false;
    engine.report().title = title(page.year);
    const QDateTime now = Clock::now();
    bool ok = engine.setText(QStringLiteral("txtTitolo"), title(page.year)) &&
              engine.setText(QStringLiteral("txtPagina"),
                             QStringLiteral("Stampa eseguita in data ") + Formats::dateText(now.date()) +
                                 QStringLiteral(" alle ore ") + Formats::longTimeText(now.time())) &&
              engine.setText(QStringLiteral("txtEscluse"), page.leftOut);
    for (int i = 0; ok && i < page.charts.size() && i < 3; ++i)
        ok = engine.setPicture(QLatin1String(kCharts[i]), page.charts.at(i));
    const int columns = int(std::size(kColumns));
    QList<ReportRow> months;
    for (qsizetype r = 0; r + 1 < page.rows.size(); ++r) {
        ReportRow row;
        for (int c = 0; c < columns; ++c)
            row.insert(QStringLiteral("txt") + QLatin1String(kColumns[c]), page.rows.at(r).value(c));
        months.append(row);
    }
    ReportBand *band = engine.findBand(QStringLiteral("Mesi"));
    if (!ok || !band)
        return false;
    band->setRows(months);
    const QStringList &total = page.rows.last();
    for (int c = 0; ok && c < columns; ++c)
        ok = engine.setText(QStringLiteral("tot") + QLatin1String(kColumns[c]), total.value(c));
    return ok;
}

bool preview(QWidget *parent, const Page &page) {
    return ReportOutput::preview(parent, [&page](ReportEngine &engine) { return fill(engine, page); }).done;
}

} // namespace OverviewPrint
