// A second station for the concurrency tests: writes to a shared program folder
// exactly as the screens do (every write opens, writes and closes the file).
//
//   tersalia_concurrent_writer append <archive> <tag> <count> <go-file>
//       appends <count> appointments whose Contatto is <tag> and Note the index
//   tersalia_concurrent_writer ini <file> <tag> <count> <go-file>
//       writes <count> keys "<tag> <index>" into section "Prova" of an INI file
//   tersalia_concurrent_writer contracts <archive> <tag> <count> <go-file>
//       appends <count> contracts for client <tag>, each numbered as the
//       contract screen numbers a new one (1 + the contracts stored), counted
//       in the same hold of the lock as the append
//   tersalia_concurrent_writer rewrite <file> <size> <count> <go-file>
//       rewrites key "X" of section "A" of an INI file <count> times, the
//       i-th value being one letter ('a' + i % 26) <size> + (i % 2) * 777
//       times, so that a file cut by a kill shows as a mixture
//
// Each waits for <go-file> to exist before its first write, so that two
// writers started one after the other really write at the same moment.
// Exit code 0 when every write reported success.
//
//   tersalia_concurrent_writer hold <file> <tag> <milliseconds> <ready-file>
//       a desk in the middle of a write: takes <file>'s lock, then makes
//       <ready-file> and holds the lock that long (or until killed)
#include "core/records/Archives.h"
#include "core/settings/IniFile.h"
#include "core/records/RecordFile.h"

#include "core/files/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::fputs("usage: tersalia_concurrent_writer append|series|ini|rewrite|contracts|hold <file> <tag> "
                   "<count> <go-file>\n",
                   stderr);
        return 2;
    }
    const QString mode = args[1], path = args[2], tag = args[3], go = args[5];
    const int count = args[4].toInt();

    if (mode == QLatin1String("hold")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
            return 1;
        FileLock lock(file);
        QFile ready(go);
        if (!lock.isLocked() || !ready.open(QIODevice::WriteOnly))
            return 1;
        ready.close();
        QThread::msleep(count);
        return 0;
    }

    const QDeadlineTimer start(30000);
    while (!QFile::exists(go)) {
        if (start.hasExpired())
            return 3;
        QThread::usleep(200);
    }

    int failures = 0;
    for (int i = 0; i < count; ++i) {
        if (mode == QLatin1String("series")) {
            // A repeated appointment: kSeries records in one append.
            constexpr int kSeries = 50;
            QList<QByteArray> series;
            Record record(Archives::appointments());
            record.set("Contatto", tag);
            for (int j = 0; j < kSeries; ++j) {
                record.set("Note", QStringLiteral("%1-%2").arg(i).arg(j));
                series << record.bytes();
            }
            RecordFile file(path, record.layout().size());
            if (!file.open() || !file.appendAll(series))
                ++failures;
            file.close();
        } else if (mode == QLatin1String("append")) {
            Record record(Archives::appointments());
            record.set("Contatto", tag);
            record.set("Note", QString::number(i));
            RecordFile file(path, record.layout().size());
            if (!file.open() || !file.append(record.bytes()))
                ++failures;
            file.close();
        } else if (mode == QLatin1String("contracts")) {
            Record record(Archives::contracts());
            record.set("txtCliente", tag);
            RecordFile file(path, record.layout().size());
            const auto numbered = [&record](qint64 count) {
                record.set("txtNumContratto", QString::number(1 + count));
            };
            if (!file.open() || !file.append(record.bytes(), numbered))
                ++failures;
            file.close();
        } else if (mode == QLatin1String("rewrite")) {
            const QString value(tag.toInt() + (i % 2) * 777, QLatin1Char(char('a' + i % 26)));
            if (!IniFile(path).write(QStringLiteral("A"), QStringLiteral("X"), value))
                ++failures;
        } else {
            if (!IniFile(path).write(QStringLiteral("Prova"), tag + QLatin1Char(' ') + QString::number(i),
                                     QString::number(i)))
                ++failures;
        }
        // Other writers get the processor between two writes, as stations
        // sharing a folder interleave their saves.
        QThread::yieldCurrentThread();
    }
    if (failures)
        std::fprintf(stderr, "%d writes failed\n", failures);
    return failures ? 1 : 0;
}
