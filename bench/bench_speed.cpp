// What a user waits for on big archives: every list, search, summary, the
// agenda, the export grids, the exports and a backup copy, each through its real screen
// (offscreen), next to one plain reading of the same file in the same run.
// Prints a Markdown table for bench/README.md.
//
//   bench_speed [appointments clients contracts employees activities]
//   (100000 20000 20000 20000 50000 by default)
#include "ArchiveGenerator.h"
#include "appointments/agenda/Agenda.h"
#include "appointments/summaries/Assolti.h"
#include "appointments/summaries/Confermati.h"
#include "appointments/exports/ExpGiornaliere.h"
#include "appointments/exports/ExpImminenti.h"
#include "appointments/exports/ExpMensili.h"
#include "appointments/exports/ExpScadenzario.h"
#include "appointments/planning/Planning.h"
#include "appointments/planning/PlanningView.h"
#include "appointments/summaries/Scaduti.h"
#include "appointments/summaries/TrovaScadenze.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/TrovaClienti.h"
#include "contracts/card/ExpContratti.h"
#include "contracts/card/TrovaContratti.h"
#include "core/files/WholeFileWriter.h"
#include "core/platform/Alarm.h"
#include "backup/engine/BackupSelection.h"
#include "backup/engine/BackupWriter.h"
#include "core/platform/Clock.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "employees/register/Lavori_Svolti.h"
#include "employees/register/RiepStraordinari.h"
#include "employees/card/TrovaDipendenti.h"
#include "employees/register/WorkFile.h"
#include "overview/Andamento.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "ui/export/GridModel.h"
#include "ui/lists/ListPanel.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/lists/RecordListView.h"

#include <QApplication>
#include <QDir>
#include <QCalendarWidget>
#include <QComboBox>
#include <QTextCharFormat>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

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
    bool open(const QString &) override { return true; }
};
class NoSound : public AlarmPlayer {
public:
    void play(const QString &) override {}
    void stop() override {}
};

// Median of five figures in milliseconds, each from one run that times itself.
double medianOf(const std::function<double()> &run) {
    QList<double> runs;
    for (int i = 0; i < 5; ++i)
        runs.append(run());
    std::sort(runs.begin(), runs.end());
    return runs.at(runs.size() / 2);
}

// Median of five runs, in milliseconds; prepare runs before each, untimed.
double median(const std::function<void()> &step, const std::function<void()> &prepare = {}) {
    return medianOf([&] {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        step();
        return t.nsecsElapsed() / 1e6;
    });
}

// One plain reading of the whole file in 4 MB blocks, page cache warm.
double readOnce(const QString &path) {
    return median([&path] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray block(4 << 20, Qt::Uninitialized);
        while (f.read(block.data(), block.size()) > 0) {
        }
    });
}

// Writing bytes bytes once into a new file of the program folder, in 1 MB
// pieces, the way a whole file must be written: through the program's
// whole-file writer, which replaces the old one when committed (as every
// export does).
double writeOnce(qint64 bytes) {
    const QString path = ProgramFolder::file(QStringLiteral("bench_write.tmp"));
    const double ms = median([&] {
        WholeFileWriter f(path);
        f.open();
        QByteArray piece(1 << 20, 'x');
        for (qint64 left = bytes; left > 0; left -= piece.size())
            f.write(QByteArrayView(piece.constData(), std::min<qint64>(left, piece.size())));
        f.commit();
    });
    QFile::remove(path);
    return ms;
}

struct Row {
    QString what, file, shows;
    double ms, base;
    double target;
};
QList<Row> table;

void add(const QString &what, const QString &file, const QString &shows, double ms, double base,
         double target) {
    table.append({what, file, shows, ms, base, target});
    std::fprintf(stderr, "%-48s %8.1f ms %6.2f x\n", qPrintable(what), ms, ms / base);
}

template <class Screen> int lines(Screen &s) { return s.list->lstRecords->listModel()->count(); }

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto arg = [&](int i, int fallback) {
        return argc > i ? QString::fromLocal8Bit(argv[i]).toInt() : fallback;
    };
    const int nAppointments = arg(1, 100000), nClients = arg(2, 20000), nContracts = arg(3, 20000),
              nEmployees = arg(4, 20000), nActivities = arg(5, 50000);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString appointments = ProgramFolder::file(Archives::appointments().fileName());
    const QString clients = ProgramFolder::file(Archives::clients().fileName());
    const QString contracts = ProgramFolder::file(Archives::contracts().fileName());
    const QString employees = ProgramFolder::file(Archives::employees().fileName());
    const QString taxCode = QStringLiteral("RSSMRA80A01H501U");
    const QString works = WorkFile::path(taxCode);
    if (!writeAppointmentArchive(appointments, nAppointments) || !writeClientArchive(clients, nClients) ||
        !writeContractArchive(contracts, nContracts) || !writeEmployeeArchive(employees, nEmployees) ||
        !writeWorkFile(works, nActivities)) {
        std::fprintf(stderr, "cannot write the archives in %s\n", qPrintable(dir.path()));
        return 1;
    }
    QFile::copy(QStringLiteral(TERSALIA_INSTALL_DIR "/Avviso.mp3"),
                ProgramFolder::file(QStringLiteral("Avviso.mp3")));
    Answers answers;
    NoShell shell;
    Messages::setSink(&answers);
    TMisc::setOpener(&shell);
    // The generated dates run from 2024 to 2026: today in the middle.
    Clock::setFixed(QDateTime(QDate(2025, 7, 1), QTime(9, 0)));

    const double readAppointments = readOnce(appointments), readClients = readOnce(clients),
                 readContracts = readOnce(contracts), readEmployees = readOnce(employees),
                 readWorks = readOnce(works);
    const auto size = [](const QString &path) {
        return QString::number(QFileInfo(path).size() / 1e6, 'f', 1) + " MB";
    };
    const QString aFile = QStringLiteral("%1 appointments, %2").arg(nAppointments).arg(size(appointments));
    const QString cFile = QStringLiteral("%1 clients, %2").arg(nClients).arg(size(clients));
    const QString kFile = QStringLiteral("%1 contracts, %2").arg(nContracts).arg(size(contracts));
    const QString eFile = QStringLiteral("%1 employees, %2").arg(nEmployees).arg(size(employees));
    const QString wFile = QStringLiteral("%1 activities, %2").arg(nActivities).arg(size(works));

    {
        // The first window shown loads fonts and styles: not any list's cost.
        TfrmTrovaDipendenti warm;
        warm.show();
    }

    // The agenda: the click on the main menu's button until the window is
    // shown with its list (the alarm starts playing on the way, for real).
    {
        Tersalia::Screens screens = Tersalia::createScreens();
        screens.avvio->show();
        int count = 0;
        const double ms = median(
            [&] {
                screens.avvio->imgApp05->click();
                count = screens.agenda->lstRecords->listModel()->count();
            },
            [&] {
                screens.agenda->hide();
                Alarm::player().stop();
            });
        add("Agenda, from the menu click", aFile, QStringLiteral("%1 lines").arg(count), ms, readAppointments,
            4);
        NoSound silent;
        Alarm::setPlayer(&silent);
        Tersalia::destroyScreens();
    }

    // The agenda's calendar turned to another month until its busy days show
    // in bold: one scan reading only each appointment's date.
    {
        NoSound silent;
        Alarm::setPlayer(&silent);
        TfrmAgenda agenda;
        agenda.show();
        int month = 0, busy = 0;
        const double ms = median([&] {
            month = month % 12 + 1;
            agenda.calAppuntamenti->setCurrentPage(2025, month);
        });
        for (int d = 1; d <= QDate(2025, month, 1).daysInMonth(); ++d)
            busy += agenda.calAppuntamenti->dateTextFormat(QDate(2025, month, d)).fontWeight() == QFont::Bold;
        add("Agenda calendar, turning to a month", aFile, QStringLiteral("%1 days in bold").arg(busy), ms,
            readAppointments, 2);
        Alarm::setPlayer(nullptr);
    }

    // The week planner: the click on the agenda's button until the week is
    // painted (the planner opens over the agenda and waits, so the time is
    // taken from inside it), and the next week from its arrow. Either reads
    // the archive once.
    {
        NoSound silent;
        Alarm::setPlayer(&silent);
        TfrmAgenda agenda;
        agenda.show();
        int blocks = 0;
        const double fromAgenda = medianOf([&] {
            QElapsedTimer t;
            t.start();
            double ms = 0;
            QTimer::singleShot(0, [&] {
                auto *planning = qobject_cast<TfrmPlanning *>(QApplication::activeModalWidget());
                if (!planning)
                    return;
                planning->view->sheet->repaint();
                ms = t.nsecsElapsed() / 1e6;
                blocks = int(planning->view->sheet->blocks().size());
                planning->close();
            });
            agenda.btnPlanning->click();
            return ms;
        });
        add("Week planner, from the agenda's button", aFile, QStringLiteral("%1 blocks").arg(blocks),
            fromAgenda, readAppointments, 3);
        TfrmPlanning planning;
        planning.openModule();
        const double next = median([&] {
            planning.cmdSuccessiva->click();
            planning.view->sheet->repaint();
            blocks = int(planning.view->sheet->blocks().size());
        });
        add("Week planner, the next week", aFile, QStringLiteral("%1 blocks").arg(blocks), next,
            readAppointments, 3);
        Alarm::setPlayer(nullptr);
    }

    // Searches: the click on Cerca until the list is shown.
    const auto search = [](SearchScreen &s,
                           std::initializer_list<std::pair<const char *, const char *>> typed) {
        for (const auto &[control, text] : typed)
            s.criterion(control)->setText(QString::fromUtf8(text));
        s.show();
        const double ms = median([&] { s.btnCercaClick(); });
        return std::make_pair(ms, s.list->lstRecords->listModel()->count());
    };
    {
        TfrmTrovaScadenze s;
        const auto [ms, n] = search(s, {{"txtContatto", "rossi"}, {"txtCausale", "uffici"}});
        add("Appointment search, two criteria", aFile, QStringLiteral("%1 lines").arg(n), ms,
            readAppointments, 3);
    }
    {
        TfrmTrovaClienti s;
        const auto [ms, n] = search(s, {{"txtCliente", "rossi"}, {"txtComuneRes", "roma"}});
        add("Client search, two criteria", cFile, QStringLiteral("%1 lines").arg(n), ms, readClients, 3);
    }
    {
        TfrmTrovaContratti s;
        const auto [ms, n] = search(s, {{"txtTipoImpianto", "ufficio"}, {"txtOpInc01", "pavimenti"}});
        add("Contract search, two criteria", kFile, QStringLiteral("%1 lines").arg(n), ms, readContracts, 3);
    }
    {
        TfrmTrovaContratti s;
        const auto [ms, n] = search(s, {});
        add("Contract search, no criteria (whole archive)", kFile, QStringLiteral("%1 lines").arg(n), ms,
            readContracts, 3);
    }
    {
        TfrmTrovaDipendenti s;
        const auto [ms, n] = search(s, {{"txtReparto", "uffici"}, {"txtDipendente", "rossi"}});
        add("Employee search, two criteria", eFile, QStringLiteral("%1 lines").arg(n), ms, readEmployees, 3);
    }
    {
        TfrmTrovaDipendenti s;
        const auto [ms, n] = search(s, {});
        add("Employee search, no criteria (whole archive)", eFile, QStringLiteral("%1 lines").arg(n), ms,
            readEmployees, 3);
    }

    // Summaries and registers: opening the window until it is shown with its list.
    const auto opened = [](const std::function<QWidget *()> &make,
                           const std::function<int(QWidget *)> &count) {
        std::unique_ptr<QWidget> w;
        int n = 0;
        const double ms = median(
            [&] {
                w.reset(make());
                w->show();
                n = count(w.get());
            },
            [&] { w.reset(); });
        return std::make_pair(ms, n);
    };
    const auto summary = [&](const char *what, const std::function<QWidget *()> &make) {
        const auto [ms, n] = opened(make, [](QWidget *w) { return lines(*static_cast<SummaryScreen *>(w)); });
        add(QString::fromUtf8(what), aFile, QStringLiteral("%1 lines").arg(n), ms, readAppointments, 3);
    };
    summary("Summary: appointments to confirm", [] { return new TfrmConfermati; });
    summary("Summary: fulfilled appointments", [] { return new TfrmAssolti; });
    summary("Summary: overdue appointments", [] { return new TfrmScaduti; });
    {
        const auto [ms, n] = opened([] { return new TfrmRicontatta; },
                                    [](QWidget *w) { return lines(*static_cast<TfrmRicontatta *>(w)); });
        add("Summary: clients to recontact", cFile, QStringLiteral("%1 lines").arg(n), ms, readClients, 3);
    }
    {
        const auto [ms, n] =
            opened([&] { return new TfrmLavori_Svolti(nullptr, QStringLiteral("Rossi Mario"), taxCode); },
                   [](QWidget *w) { return lines(*static_cast<TfrmLavori_Svolti *>(w)); });
        add("Work register", wFile, QStringLiteral("%1 lines").arg(n), ms, readWorks, 3);
        const auto [empty, none] = opened(
            [] { return new TfrmLavori_Svolti(nullptr, QStringLiteral("Nessuno"), QStringLiteral("VUOTO")); },
            [](QWidget *w) { return lines(*static_cast<TfrmLavori_Svolti *>(w)); });
        add("(the same window on an empty register)", QStringLiteral("empty"),
            QStringLiteral("%1 lines").arg(none), empty, readWorks, 0);
    }
    {
        const auto [ms, n] = opened(
            [&] {
                return new TfrmRiepStraordinari(nullptr, taxCode, QStringLiteral("01/01/2023"),
                                                QStringLiteral("31/12/2023"));
            },
            [](QWidget *w) { return lines(*static_cast<TfrmRiepStraordinari *>(w)); });
        add("Working-hours summary, one year", wFile, QStringLiteral("%1 lines").arg(n), ms, readWorks, 3);
    }

    // Export grids: opening until shown with every row; then the export.
    const auto grid = [&](const char *what, const QString &file, double read,
                          const std::function<ExportGrid *()> &make) {
        std::unique_ptr<ExportGrid> g;
        const double ms = median(
            [&] {
                g.reset(make());
                g->show();
            },
            [&] { g.reset(); });
        add(QStringLiteral("Grid: ") + QString::fromUtf8(what), file,
            QStringLiteral("%1 rows").arg(g->model()->rows()), ms, read, 3);
        // Filled again in the same window: the rows' memory is already taken,
        // which shows what the first filling spends on taking it.
        const double again = median([&] { g->fill(); });
        add(QStringLiteral("(the same grid filled again)"), file,
            QStringLiteral("%1 rows").arg(g->model()->rows()), again, read, 0);
        const double exported = median([&] { g->cmdEsporta->click(); });
        const qint64 bytes = QFileInfo(g->exportPath()).size();
        add(QStringLiteral("Export: ") + QString::fromUtf8(what), file,
            QStringLiteral("%1 MB written").arg(bytes / 1e6, 0, 'f', 1), exported, read + writeOnce(bytes),
            3);
    };
    grid("appointments of a day", aFile, readAppointments,
         [] { return new TfrmExpGiornaliere(QDate(2025, 3, 10)); });
    grid("appointments of a month", aFile, readAppointments,
         [] { return new TfrmExpMensili(QDate(2025, 3, 10)); });
    grid("imminent appointments", aFile, readAppointments, [] { return new TfrmExpImminenti; });
    grid("whole appointment archive", aFile, readAppointments, [] { return new TfrmExpScadenzario; });
    grid("clients", cFile, readClients, [] { return new TfrmExpClienti; });
    grid("contracts", kFile, readContracts, [] { return new TfrmExpContratti; });

    // The year's overview on 20 000 clients with six services each, the
    // appointment archive and 2 000 work registers of 50 activities: from
    // showing the screen until its charts and table are filled, against one
    // read of every one of those files.
    {
        QTemporaryDir office;
        ProgramFolder::setPath(office.path());
        const QDir root(office.path());
        root.mkpath(Archives::worksFolderName());
        QStringList files;
        const int nServiceFiles = 20000, nWorkFiles = 2000;
        for (int i = 1; i <= nServiceFiles; ++i) {
            files.append(ProgramFolder::file(Archives::servicesFileName(i)));
            writeServicesFile(files.last(), 6, quint32(i));
        }
        files.append(ProgramFolder::file(Archives::appointments().fileName()));
        writeAppointmentArchive(files.last(), nAppointments);
        for (int i = 1; i <= nWorkFiles; ++i) {
            files.append(ProgramFolder::file(
                Archives::worksFolderName() + QLatin1Char('/') +
                Archives::worksFileName(QStringLiteral("CF%1").arg(i, 6, 10, QLatin1Char('0')))));
            writeWorkFile(files.last(), 50);
        }
        qint64 bytes = 0;
        for (const QString &f : std::as_const(files))
            bytes += QFileInfo(f).size();
        const double readAll = median([&files] {
            QByteArray block(4 << 20, Qt::Uninitialized);
            for (const QString &path : files) {
                QFile f(path);
                f.open(QIODevice::ReadOnly);
                while (f.read(block.data(), block.size()) > 0) {
                }
            }
        });
        TfrmAndamento screen;
        QString shows;
        const double ms = median(
            [&] {
                screen.show();
                screen.refresh();
                shows = QStringLiteral("%1 years, %2 services in %3")
                            .arg(screen.cmbAnno->count())
                            .arg(screen.tableRows().last().at(1))
                            .arg(screen.shownYear());
            },
            [&] { screen.hide(); });
        add(QStringLiteral("Year overview, filled"),
            QStringLiteral("%1 files, %2 MB").arg(files.size()).arg(bytes / 1e6, 0, 'f', 1), shows, ms,
            readAll, 3);
        ProgramFolder::setPath(dir.path());
    }

    // A backup copy of a 200 MB program folder (the appointment and client
    // archives, a work register, photos and attachments), made and checked,
    // against one read of every file plus writing the copy's bytes once.
    {
        QTemporaryDir office, copies;
        const QDir root(office.path());
        root.mkpath(QStringLiteral("Anagrafica"));
        root.mkpath(QStringLiteral("Documenti_Allegati"));
        root.mkpath(Archives::worksFolderName());
        writeAppointmentArchive(root.filePath(Archives::appointments().fileName()), 100000);
        writeClientArchive(root.filePath(Archives::clients().fileName()), 20000);
        writeWorkFile(
            root.filePath(Archives::worksFolderName() + QLatin1Char('/') + Archives::worksFileName(taxCode)),
            nActivities);
        QByteArray picture(200 << 10, Qt::Uninitialized);
        for (qsizetype i = 0; i < picture.size(); ++i)
            picture[i] = char((i * 7919) >> 3);
        for (int i = 1; i <= 20; ++i) {
            QFile photo(root.filePath(QStringLiteral("Anagrafica/Scheda_Dipendente_%1.jpg").arg(i)));
            photo.open(QIODevice::WriteOnly);
            photo.write(picture);
            QFile attached(root.filePath(QStringLiteral("Documenti_Allegati/Documento %1.pdf").arg(i)));
            attached.open(QIODevice::WriteOnly);
            attached.write(picture);
        }
        qint64 bytes = 0;
        double readAll = 0;
        int files = 0;
        for (const BackupSelection::DataFile &f : BackupSelection::list(office.path())) {
            bytes += QFileInfo(root.filePath(f.path)).size();
            readAll += readOnce(root.filePath(f.path));
            ++files;
        }
        const QDateTime moment(QDate(2026, 12, 10), QTime(9, 30));
        BackupWriter::Result copy;
        const double ms = median([&] { copy = BackupWriter::write(office.path(), copies.path(), moment); },
                                 [&] { QFile::remove(copy.zipPath); });
        if (!copy.outcome.ok())
            std::fprintf(stderr, "the backup failed: %s\n", qPrintable(copy.outcome.subject));
        const QString what = QStringLiteral("%1 data files, %2 MB").arg(files).arg(bytes / 1e6, 0, 'f', 1);
        add(QStringLiteral("Backup copy, written and checked"), what,
            QStringLiteral("%1 MB written").arg(copy.zipSize / 1e6, 0, 'f', 1), ms,
            readAll + writeOnce(copy.zipSize), 3);
    }

    Messages::setSink(nullptr);
    TMisc::setOpener(nullptr);
    Alarm::setPlayer(nullptr);

    std::printf(
        "| What the user waits for | File | Shows | Time (ms) | One read (ms) | Ratio | Target | Met |\n");
    std::printf("|---|---|---|---:|---:|---:|---:|---|\n");
    for (const Row &r : std::as_const(table)) {
        const double ratio = r.ms / r.base;
        std::printf("| %s | %s | %s | %.1f | %.1f | %.2f× | %s | %s |\n", qPrintable(r.what),
                    qPrintable(r.file), qPrintable(r.shows), r.ms, r.base, ratio,
                    r.target > 0 ? qPrintable(QStringLiteral("%1×").arg(r.target)) : "–",
                    r.target <= 0       ? "–"
                    : ratio <= r.target ? "yes"
                                        : "**no**");
    }
    return 0;
}
