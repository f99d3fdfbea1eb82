// At start-up the program clears what a crash left of its whole-file writes,
// in its own folders and in the folder the backup copies go to.
#include "TestEnv.h"
#include "backup/BackupSettings.h"
#include "shell/Application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool place(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}
} // namespace

class TstStartupCleanup : public QObject {
    Q_OBJECT
private slots:
    void clearsTheProgramsAndTheBackupFoldersLeftovers() {
        TempProgramFolder folder;
        QTemporaryDir backups;
        QVERIFY(BackupSettings::recordCopy(QDateTime(QDate(2026, 12, 1), QTime(9, 0)), backups.path(),
                                           QStringLiteral("Tersalia_Copia_2026-12-01_09-00.zip"), 1));
        const QStringList leftovers = {
            folder.file(QStringLiteral("Contratti.ini.~tersalia~a1B2c3")),
            backups.filePath(QStringLiteral("Tersalia_Copia_2026-12-11_15-30.zip.~tersalia~k3J5m2"))};
        const QStringList kept = {folder.file(QStringLiteral("Contratti.ini.backup")),
                                  backups.filePath(QStringLiteral("Tersalia_Copia_2026-12-01_09-00.zip"))};
        for (const QString &path : leftovers + kept)
            QVERIFY(place(path));
        QCOMPARE(Tersalia::clearLeftovers(), 2);
        for (const QString &path : leftovers)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        for (const QString &path : kept)
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }

    // No copy made yet: no backup folder, and the program's own are cleared.
    void withNoBackupFolder() {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Anagrafica"))));
        QVERIFY(place(folder.file(QStringLiteral("Anagrafica/Scheda_Dipendente_1.jpg.~tersalia~Q9x8Z7"))));
        QCOMPARE(Tersalia::clearLeftovers(), 1);
    }
};

QTEST_MAIN(TstStartupCleanup)
#include "tst_startupcleanup.moc"
