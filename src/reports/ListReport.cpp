#include "reports/ListReport.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "reports/ReportEngine.h"

namespace ListReport {

bool fill(ReportEngine &engine, const QString &title, const QStringList &lines) {
    if (!engine.load(QStringLiteral(":/reports/Riepilogo.json")))
        return false;
    engine.report().title = title; // names the print job and a PDF printed to file
    const QDateTime now = Clock::now();
    const double height = lines.size() * lineHeight;
    return engine.setText(QStringLiteral("txtTitolo"), title) &&
           engine.setText(QStringLiteral("txtPagina"),
                          QStringLiteral("Stampa eseguita in data ") + Formats::dateText(now.date()) +
                              QStringLiteral(" alle ore ") + Formats::longTimeText(now.time())) &&
           engine.setLines(QStringLiteral("txtRiepilogo"), lines) &&
           engine.setHeight(QStringLiteral("txtRiepilogo"), height) &&
           engine.setHeight(QStringLiteral("MasterData"), height + bandExtra);
}

bool print(QWidget *parent, const QString &title, const QStringList &lines) {
    ReportEngine engine;
    return fill(engine, title, lines) && engine.prepare() && engine.print(parent);
}

void preview(QWidget *parent, const QString &title, const QStringList &lines) {
    ReportEngine engine;
    if (fill(engine, title, lines) && engine.prepare())
        engine.showPreview(parent);
}

} // namespace ListReport
