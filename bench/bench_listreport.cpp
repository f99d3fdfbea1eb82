// Preparing the list report of a long list: filling the template and laying
// 10 000 result lines out on pages, as a list screen's "Stampa" does before
// the print dialog appears. Drawing the pages into a PDF is timed apart.
//
//   bench_listreport [lines] [pdf file to keep]
#include "reports/ListReport.h"
#include "reports/PdfExport.h"
#include "reports/ReportEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

QStringList resultLines(int n) {
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i)
        lines.append(
            QStringLiteral("%1/03/2024  %2:30  Rossi Mario %3                 Pulizia uffici e vetri     Sì")
                .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(i % 24, 2, 10, QLatin1Char('0'))
                .arg(i, 6));
    return lines;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const QStringList lines = resultLines(count);

    QList<double> prepare;
    int pages = 0;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer t;
        t.start();
        ReportEngine engine;
        if (!ListReport::fill(engine, QStringLiteral("Riepilogo appuntamenti"), lines) || !engine.prepare()) {
            std::fprintf(stderr, "cannot prepare: %s\n", qPrintable(engine.errorString()));
            return 1;
        }
        prepare.append(t.nsecsElapsed() / 1e6);
        pages = engine.pageCount();
    }
    std::printf("list report, %d lines, %d pages\n", count, pages);
    std::printf("  fill + prepare: median %.1f ms, best %.1f ms (7 runs)\n", median(prepare),
                *std::min_element(prepare.begin(), prepare.end()));

    ReportEngine engine;
    ListReport::fill(engine, QStringLiteral("Riepilogo appuntamenti"), lines);
    engine.prepare();
    QTemporaryDir dir;
    const QString pdf =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("lista.pdf"));
    QElapsedTimer t;
    t.start();
    if (!engine.exportPdf(
            pdf, PdfSettings{QStringLiteral("Riepilogo"), {}, {}, QStringLiteral("Tersalia"), true})) {
        std::fprintf(stderr, "cannot write the PDF: %s\n", qPrintable(engine.errorString()));
        return 1;
    }
    std::printf("  drawing every page into a PDF file: %.1f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
