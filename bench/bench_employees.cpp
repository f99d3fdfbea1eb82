// Times the employee search, the work register and the working-hours summary
// over a whole year on large files, next to the time of reading each file once.
//   bench_employees [activities] [employees]   (default 50000 and 20000;
//   run with QT_QPA_PLATFORM=offscreen)
#include "core/Archives.h"
#include "core/ProgramFolder.h"
#include "employees/Lavori_Svolti.h"
#include "employees/RiepStraordinari.h"
#include "employees/TrovaDipendenti.h"
#include "employees/WorkFile.h"
#include "ui/ListPanel.h"
#include "ui/RecordListView.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {
const QString kCode = QStringLiteral("RSSMRA80A01H501U");

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

bool writeRecords(const QString &path, const RecordLayout &layout, int count,
                  const std::function<void(Record &, int, QRandomGenerator &)> &make) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator rng(42);
    Record r(layout);
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        make(r, i, rng);
        chunk += r.bytes();
        if (chunk.size() > (8 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
    }
    out.write(chunk);
    return out.error() == QFile::NoError;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int activities = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int employees = argc > 2 ? std::atoi(argv[2]) : 20000;
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    static const QStringList surnames = {"Rossi",  "Bianchi", "Verdi", "Esposito",
                                         "Romano", "Colombo", "Ricci"};
    static const QStringList names = {"Anna", "Marco", "Giulia", "Luca", "Sara", "Paolo"};
    static const QStringList works = {"Pulizia uffici", "Sanificazione ambienti", "Lavaggio vetrate",
                                      "Pulizia scale condominiali", "Trattamento pavimenti"};
    static const QStringList departments = {"Uffici", "Condomini", "Ospedali", "Scuole", "Cantieri"};

    const QString workPath = WorkFile::path(kCode);
    const QDate base(2020, 1, 1);
    if (!writeRecords(workPath, Archives::works(), activities, [&](Record &r, int, QRandomGenerator &rng) {
            r.set("Data", base.addDays(rng.bounded(6 * 365)).toString(QStringLiteral("dd/MM/yyyy")));
            r.set("Attivita", works[rng.bounded(works.size())]);
            r.set("Luogo", QStringLiteral("Via Roma %1").arg(rng.bounded(1, 200)));
            r.set("Orario", QStringLiteral("8-%1").arg(rng.bounded(9, 18)));
            r.set("TotOre", QString::number(rng.bounded(1, 10)));
        }))
        return 1;
    const QString staffPath = ProgramFolder::file(Archives::employees().fileName());
    if (!writeRecords(staffPath, Archives::employees(), employees,
                      [&](Record &r, int i, QRandomGenerator &rng) {
                          r.set("Dipendente", surnames[rng.bounded(surnames.size())] + QLatin1Char(' ') +
                                                  names[rng.bounded(names.size())]);
                          r.set("CodFisc", QStringLiteral("CF%1").arg(i, 14, 10, QLatin1Char('0')));
                          r.set("Cel", QStringLiteral("33%1").arg(rng.bounded(10000000, 99999999)));
                          r.set("Qualifica", QStringLiteral("Operaio"));
                          r.set("Reparto", departments[rng.bounded(departments.size())]);
                          r.set("Disponibilita", QStringLiteral("Mattina e pomeriggio"));
                          r.set("Mansioni", QStringLiteral("Pulizie ordinarie e straordinarie"));
                          r.set("Note", QStringLiteral("Nota numero %1").arg(i));
                      }))
        return 1;

    QElapsedTimer t;
    readOnce(workPath);
    const double workOnce = readOnce(workPath);
    std::printf("%d activities, %.1f MB\n", activities, QFile(workPath).size() / 1e6);
    report("read the work file once", workOnce, workOnce);
    {
        // The first window shown loads fonts and styles: not the register's cost.
        TfrmLavori_Svolti warm(nullptr, QStringLiteral("Nessuno"), QStringLiteral("VUOTO"));
        warm.show();
    }
    {
        TfrmLavori_Svolti work(nullptr, QStringLiteral("Rossi Mario"), kCode);
        t.start();
        work.show(); // opening lists the register
        report("work register opened", t.nsecsElapsed() / 1e6, workOnce);
        std::printf("  (%d lines)\n", work.list->lstRecords->listModel()->count());
    }
    {
        TfrmRiepStraordinari summary(nullptr, kCode, QStringLiteral("01/01/2023"),
                                     QStringLiteral("31/12/2023"));
        t.start();
        summary.show();
        report("working-hours summary, one year", t.nsecsElapsed() / 1e6, workOnce);
        std::printf("  (%d lines)\n", summary.list->lstRecords->listModel()->count());
    }

    readOnce(staffPath);
    const double staffOnce = readOnce(staffPath);
    std::printf("%d employees, %.1f MB\n", employees, QFile(staffPath).size() / 1e6);
    report("read the employee archive once", staffOnce, staffOnce);
    {
        TfrmTrovaDipendenti search;
        t.start();
        search.btnCercaClick();
        report("employee search, no criteria", t.nsecsElapsed() / 1e6, staffOnce);
        std::printf("  (%d lines)\n", search.list->lstRecords->listModel()->count());
        TfrmTrovaDipendenti filtered;
        filtered.criterion("txtReparto")->setText(QStringLiteral("uffici"));
        filtered.criterion("txtDipendente")->setText(QStringLiteral("rossi"));
        t.start();
        filtered.btnCercaClick();
        report("employee search, two criteria", t.nsecsElapsed() / 1e6, staffOnce);
        std::printf("  (%d lines)\n", filtered.list->lstRecords->listModel()->count());
    }
    return 0;
}
