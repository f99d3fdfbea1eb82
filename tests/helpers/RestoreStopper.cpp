// A restore that dies in the middle, as the program would in a crash or a
// power cut: no clean-up, no destructor, nothing after the step.
//
//   tersalia_restore_stopper <program folder> <copy> <copy made before> <N>
//
// Restores <copy> into <program folder> and ends the process at once (exit
// code 9) at its Nth file-system step: a file synced, a file moved or a
// folder synced. Exit code 0 when the restore ran to its end before step N,
// 1 when it failed; it prints how many steps it took.
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupRestore.h"
#include "core/files/FileReplace.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstdlib>

namespace {
class Dying : public FileReplace::Steps {
public:
    explicit Dying(int at) : m_at(at) {}
    bool syncToDisk(const QString &path) override { return step() && Steps::syncToDisk(path); }
    bool replace(const QString &from, const QString &to) override {
        return step() && Steps::replace(from, to);
    }
    bool syncFolder(const QString &folder) override { return step() && Steps::syncFolder(folder); }
    int taken = 0;

private:
    bool step() {
        if (++taken == m_at)
            std::_Exit(9);
        return true;
    }
    int m_at;
};
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fputs("usage: tersalia_restore_stopper <program folder> <copy> <copy made before> <N>\n",
                   stderr);
        return 2;
    }
    const BackupArchive::Inspection copy = BackupArchive::inspect(args[2]);
    if (!copy.outcome.ok())
        return 3;
    Dying steps(args[4].toInt());
    FileReplace::setSteps(&steps);
    const BackupRestore::Result r = BackupRestore::run(
        args[1], args[2], copy.manifest, QDateTime(QDate(2026, 12, 11), QTime(10, 15)), {}, args[3]);
    FileReplace::setSteps(nullptr);
    std::printf("%d\n", steps.taken);
    return r.outcome.ok() ? 0 : 1;
}
