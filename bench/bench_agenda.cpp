// The agenda and its grids on a large appointment archive: each step timed
// next to one plain reading of the whole file, the least any of them can cost.
//
//   bench_agenda [appointments]   (100 000 by default)
#include "ArchiveGenerator.h"
#include "appointments/Agenda.h"
#include "appointments/ExpImminenti.h"
#include "appointments/ExpMensili.h"
#include "appointments/ExpScadenzario.h"
#include "core/Alarm.h"
#include "core/Clock.h"
#include "ui/GridModel.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "ui/RecordListView.h"
#include "core/RecordScan.h"
#include "core/OpenURL.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Export questions: yes to exporting, no to opening the file.
class Answers : public MessageSink {
public:
    bool show(QWidget *, MessageKind kind, const QString &text) override {
        return kind != MessageKind::Confirmation || !text.contains(QStringLiteral("aprire"));
    }
};
class NoShell : public ShellOpener {
public:
    void open(const QString &) override {}
};
class NoSound : public AlarmPlayer {
public:
    void play(const QString &) override {}
    void stop() override {}
};

// Median of five runs, in milliseconds.
double time(const std::function<void()> &step) {
    QList<double> runs;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        runs.append(t.nsecsElapsed() / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs.at(runs.size() / 2);
}

void report(const char *what, double ms, double oneRead, const QString &extra = {}) {
    std::printf("%-40s %9.1f ms  %6.1f x one read  %s\n", what, ms, ms / oneRead, qPrintable(extra));
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(Archives::appointments().fileName());
    if (!writeAppointmentArchive(path, count)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    Answers answers;
    NoShell shell;
    NoSound sound;
    Messages::setSink(&answers);
    TMisc::setOpener(&shell);
    Alarm::setPlayer(&sound);
    // The generated dates run from 2024 to 2026: today in the middle.
    Clock::setFixed(QDateTime(QDate(2025, 7, 1), QTime(9, 0)));
    const QDate month(2025, 3, 10);

    std::printf("%d appointments, %.1f MB\n", count, QFileInfo(path).size() / 1048576.0);
    qint64 records = 0;
    const double oneRead = time([&] {
        records = 0;
        RecordScan::forEach(path, Archives::appointments(),
                            [&](const char *, qint64) { return ++records, true; });
    });
    report("one read of the archive", oneRead, oneRead, QStringLiteral("%1 records").arg(records));

    TfrmAgenda agenda;
    const double list = time([&] {
        agenda.hide();
        agenda.show();
    });
    report("agenda: imminent list on showing", list, oneRead,
           QStringLiteral("%1 lines").arg(agenda.lstRecords->listModel()->count()));
    agenda.hide();

    const struct {
        const char *fill, *exporting;
        std::function<ExportGrid *()> make;
    } grids[] = {
        {"month grid: fill", "month grid: export",
         [&] { return static_cast<ExportGrid *>(new TfrmExpMensili(month)); }},
        {"imminent grid: fill", "imminent grid: export",
         [] { return static_cast<ExportGrid *>(new TfrmExpImminenti); }},
        {"archive grid: fill", "archive grid: export",
         [] { return static_cast<ExportGrid *>(new TfrmExpScadenzario); }},
    };
    for (const auto &g : grids) {
        ExportGrid *grid = g.make();
        const double fill = time([&] {
            grid->hide();
            grid->show();
        });
        report(g.fill, fill, oneRead, QStringLiteral("%1 rows").arg(grid->model()->rows()));
        const double exported = time([&] { grid->cmdEsporta->click(); });
        report(g.exporting, exported, oneRead,
               QStringLiteral("%1 MB").arg(QFileInfo(grid->exportPath()).size() / 1048576.0, 0, 'f', 1));
        delete grid;
    }
    Messages::setSink(nullptr);
    TMisc::setOpener(nullptr);
    Alarm::setPlayer(nullptr);
    return 0;
}
