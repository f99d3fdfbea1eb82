// Times the appointment search, a status summary and the quick find on a large
// archive, next to the time of reading the same file once.
// Then the client search on 20 000 clients.
//   bench_lists [records]   (default 100000; run with QT_QPA_PLATFORM=offscreen)
#include "ArchiveGenerator.h"
#include "appointments/Confermati.h"
#include "ui/ListPanel.h"
#include "core/ProgramFolder.h"
#include "ui/QuickFind.h"
#include "ui/RecordListView.h"
#include "appointments/TrovaScadenze.h"
#include "clients/TrovaClienti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {
double readOnce(const QString &path) {
    QElapsedTimer t;
    t.start();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QByteArray block(4 << 20, Qt::Uninitialized);
    while (f.read(block.data(), block.size()) > 0) {
    }
    return t.nsecsElapsed() / 1e6;
}

void report(const char *what, double ms, double baseline) {
    std::printf("%-44s %9.1f ms  (%.2f x one read)\n", what, ms, ms / baseline);
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = ProgramFolder::file(QStringLiteral("Archivio_Appuntamenti.pro"));
    if (!writeAppointmentArchive(path, count))
        return 1;
    std::printf("%d appointments, %.1f MB\n", count, QFile(path).size() / 1e6);
    readOnce(path); // warm the page cache, as the program's own reads find it
    const double once = readOnce(path);
    report("read the file once", once, once);

    QElapsedTimer t;
    {
        TfrmTrovaScadenze search;
        search.criterion("txtContatto")->setText(QStringLiteral("rossi"));
        search.criterion("txtCausale")->setText(QStringLiteral("uffici"));
        t.start();
        search.btnCercaClick();
        report("search, two criteria", t.nsecsElapsed() / 1e6, once);
        std::printf("  (%d lines)\n", search.list->lstRecords->listModel()->count());
    }
    {
        TfrmConfermati summary;
        t.start();
        summary.buildList();
        report("summary of pending appointments", t.nsecsElapsed() / 1e6, once);
        RecordListModel *model = summary.list->lstRecords->listModel();
        std::printf("  (%d lines)\n", model->count());
        QString memory;
        const auto holds = [model](int row, const QString &text) { return model->lineHolds(row, text); };
        t.start();
        QuickFind::next(model->count(), holds, 0, QStringLiteral("rossi"), memory);
        report("first quick find, a common word", t.nsecsElapsed() / 1e6, once);
        t.start();
        QuickFind::next(model->count(), holds, 0, QStringLiteral("zzz not there"), memory);
        report("quick find walking the whole list (first time)", t.nsecsElapsed() / 1e6, once);
        t.start();
        QuickFind::next(model->count(), holds, 0, QStringLiteral("yyy not there"), memory);
        report("quick find walking the whole list (again)", t.nsecsElapsed() / 1e6, once);
    }
    {
        // The client search over 20 000 clients (about 67 MB).
        const QString clients = ProgramFolder::file(QStringLiteral("Contatti.pro"));
        if (!writeClientArchive(clients, 20000))
            return 1;
        std::printf("20000 clients, %.1f MB\n", QFile(clients).size() / 1e6);
        readOnce(clients);
        const double clientsOnce = readOnce(clients);
        report("read the client file once", clientsOnce, clientsOnce);
        TfrmTrovaClienti search;
        search.criterion("txtCliente")->setText(QStringLiteral("rossi"));
        search.criterion("txtComuneRes")->setText(QStringLiteral("roma"));
        t.start();
        search.btnCercaClick();
        report("client search, two criteria", t.nsecsElapsed() / 1e6, clientsOnce);
        std::printf("  (%d lines)\n", search.list->lstRecords->listModel()->count());
    }
    return 0;
}
