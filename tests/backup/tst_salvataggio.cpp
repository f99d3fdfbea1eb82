// The backup screen driven as a user would (folder dialog, "Crea copia di
// sicurezza", "Ripristina da una copia", the questions), the last copy kept in
// Salvataggio.ini, the main menu's command and the reminder after a login.
#include "BackupFixture.h"
#include "TestEnv.h"
#include "backup/BackupMessages.h"
#include "backup/BackupReminder.h"
#include "backup/BackupSettings.h"
#include "backup/Salvataggio.h"
#include "backup/engine/BackupArchive.h"
#include "backup/engine/BackupWriter.h"
#include "core/files/FileLock.h"
#include "core/platform/Clock.h"
#include "core/settings/IniFile.h"
#include "shell/Application.h"
#include "shell/Avvio.h"
#include "shell/BackupOpening.h"
#include "shell/Password.h"
#include "ui/widgets/LinkLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Backup::Failure;

namespace {
const QDateTime kNow(QDate(2026, 12, 10), QTime(9, 30));
const QByteArray kStore = "[Accesso]\r\nValore=5EE66662641A2EB1394199220485\r\n";

QStringList zips(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
}
QString ini(const TempProgramFolder &folder, const char *key) {
    return IniFile(folder.file(QStringLiteral("Salvataggio.ini")))
        .read(QStringLiteral("Salvataggio"), QLatin1String(key));
}
QHash<QString, QByteArray> dataOf(const QString &folder) {
    QHash<QString, QByteArray> all = BackupFixture::tree(folder);
    for (const QString &name : BackupFixture::notDataFiles())
        all.remove(name);
    return all;
}
} // namespace

class TstSalvataggio : public QObject {
    Q_OBJECT

    ScreenSeams *seams = nullptr;
    ScriptedFileDialogs *dialogs = nullptr;
    QTemporaryDir *copies = nullptr;
    int terminated = 0;

private slots:
    void init() {
        seams = new ScreenSeams;
        dialogs = new ScriptedFileDialogs;
        copies = new QTemporaryDir;
        Clock::setFixed(kNow);
        terminated = 0;
        Tersalia::setTerminateHandler([this]() { ++terminated; });
    }
    void cleanup() {
        Tersalia::setTerminateHandler(nullptr);
        Clock::setFixed(QDateTime());
        delete copies;
        delete dialogs;
        delete seams;
    }

    void aCopyIsMadeCheckedAndRemembered() {
        const QHash<QString, QByteArray> data = BackupFixture::fill(seams->folder.path(), false);
        TfrmSalvataggio screen;
        QCOMPARE(screen.lblData->text(), QStringLiteral("Non è ancora stata creata una copia di sicurezza."));
        // How much the first copy will hold, so the room it needs is known.
        qint64 bytes = 0;
        for (const QByteArray &b : data)
            bytes += b.size();
        QCOMPARE(screen.lblDimensione->text(),
                 BackupMessages::megabytes(bytes) + QStringLiteral(" di dati da copiare."));
        dialogs->nextNames = {copies->path()};
        screen.cmdSalva->click();

        QCOMPARE(zips(copies->path()), QStringList{QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip")});
        const QString zip = QDir(copies->path()).filePath(zips(copies->path()).value(0));
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Information);
        QCOMPARE(seams->messages.lastText(), TfrmSalvataggio::doneText(data.size(), QFileInfo(zip).size()));
        QVERIFY(seams->messages.lastText().startsWith(
            QStringLiteral("Copia di sicurezza completata e verificata: %1 file, ").arg(data.size())));
        QVERIFY(seams->messages.lastText().endsWith(QStringLiteral(" MB.")));

        QCOMPARE(ini(seams->folder, "Cartella"), QDir::toNativeSeparators(copies->path()));
        QCOMPARE(ini(seams->folder, "Ultima"), QStringLiteral("10/12/2026 09:30"));
        QCOMPARE(screen.lblData->text(), QStringLiteral("10/12/2026 09:30"));
        QCOMPARE(screen.lblCartella->text(), QDir::toNativeSeparators(zip));
        QVERIFY(screen.lblDimensione->text().endsWith(QStringLiteral(" MB")));
        // The progress bar back at rest, saying so.
        QCOMPARE(screen.lblAvanzamento->text(), TfrmSalvataggio::idleText());
        QCOMPARE(screen.prgAvanzamento->value(), 0);
        QVERIFY(screen.prgAvanzamento->isTextVisible());
        QVERIFY(BackupArchive::inspect(zip).outcome.ok());

        // The next copy proposes the folder used last; cancelling the dialog does nothing.
        TfrmSalvataggio again;
        QCOMPARE(again.lblData->text(), QStringLiteral("10/12/2026 09:30"));
        again.cmdSalva->click();
        QCOMPARE(dialogs->startFolders.last(), QDir::toNativeSeparators(copies->path()));
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(zips(copies->path()).size(), 1);
    }

    void aCopyThatCannotBeWrittenIsToldAndNotRemembered_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("missing folder") << false;
    }
    void aCopyThatCannotBeWrittenIsToldAndNotRemembered() {
        QFETCH(bool, readOnly);
        BackupFixture::fill(seams->folder.path(), false);
        const QString folder = readOnly ? copies->path() : copies->path() + QStringLiteral("/tolta");
        std::unique_ptr<ReadOnlyPath> guard;
        if (readOnly) {
            guard = std::make_unique<ReadOnlyPath>(folder);
            if (!guard->ok())
                QSKIP("no way to make a folder read-only here");
        }
        TfrmSalvataggio screen;
        dialogs->nextNames = {folder};
        screen.cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Error);
        QCOMPARE(seams->messages.lastText(),
                 TfrmSalvataggio::failureText({Failure::FolderNotWritable, folder}) +
                     QStringLiteral("\r\n\r\nLa copia di sicurezza non è stata creata."));
        QVERIFY(seams->messages.lastText().contains(QDir::toNativeSeparators(folder)));
        QVERIFY(zips(copies->path()).isEmpty());
        QVERIFY(ini(seams->folder, "Ultima").isEmpty());
        QVERIFY(screen.cmdSalva->isEnabled() && !screen.cmdAnnulla->isEnabled());
    }

    void aRestoreBringsTheCopyBackAfterSavingTheCurrentData() {
        QTemporaryDir other;
        const QHash<QString, QByteArray> copied = BackupFixture::fill(other.path(), false);
        const BackupWriter::Result copy =
            BackupWriter::write(other.path(), copies->path(), QDateTime(QDate(2026, 11, 30), QTime(18, 5)));
        QVERIFY(copy.outcome.ok());
        // The current data: other clients, and a contract archive the copy has empty.
        BackupFixture::fill(seams->folder.path(), false);
        seams->folder.write(QStringLiteral("Contatti.pro"), QByteArray(3372 * 2, 'c'));
        seams->folder.write(QStringLiteral("Servizi_Cliente_7.pro"), QByteArray(117, 's'));
        const QHash<QString, QByteArray> current = dataOf(seams->folder.path());

        // Opened as the main menu opens it, so the restore ends the program for real.
        dialogs->nextNames = {copy.zipPath};
        int listed = -1;
        QString copyText;
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<TfrmSalvataggio *>(w);
            QVERIFY(screen);
            screen->cmdRipristina->click();
            listed = screen->lstContenuto->count();
            copyText = screen->lblCopia->text();
            if (screen->isVisible())
                screen->close();
        });
        BackupOpening::openScreen(nullptr);

        QCOMPARE(listed, copied.size());
        QVERIFY(copyText.startsWith(QStringLiteral("Copia del 30/11/2026 18:05")));
        QCOMPARE(seams->messages.shown.size(), 3);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Confirmation);
        QVERIFY(seams->messages.shown[0].text.startsWith(
            QStringLiteral("La copia del 30/11/2026 18:05 contiene %1 file").arg(copied.size())));
        QVERIFY(seams->messages.shown[0].text.contains(QDir::toNativeSeparators(copies->path())));
        QVERIFY(seams->messages.shown[1].text.contains(QStringLiteral("Accantonati_2026-12-10_09-30")));
        QCOMPARE(seams->messages.shown[2].text, TfrmSalvataggio::restoredText());
        QCOMPARE(seams->messages.shown[2].text,
                 QStringLiteral("Ripristino completato: il programma ora si chiude; avviarlo di nuovo per "
                                "lavorare sui dati ripristinati."));
        QCOMPARE(terminated, 1);

        QHash<QString, QByteArray> expected = copied;
        expected[QStringLiteral("Accantonati_2026-12-10_09-30/Servizi_Cliente_7.pro")] = QByteArray(117, 's');
        QHash<QString, QByteArray> now = dataOf(seams->folder.path());
        now.remove(QStringLiteral("Salvataggio.ini"));
        QCOMPARE(now.keys().size(), expected.size());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(now.value(it.key()) == it.value(), qPrintable(it.key()));

        // The data as they were before the restore are in a copy of their own.
        const QStringList made = zips(copies->path());
        QCOMPARE(made.size(), 2);
        QVERIFY(made.contains(QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip")));
        QTemporaryDir check;
        const QString before =
            QDir(copies->path()).filePath(QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip"));
        const BackupArchive::Inspection saved = BackupArchive::inspect(before);
        QVERIFY(saved.outcome.ok());
        QVERIFY(BackupArchive::read(before, saved.manifest, check.path(), {}).ok());
        QCOMPARE(BackupFixture::tree(check.path()), current);
    }

    void aRefusedOrDeclinedRestoreChangesNothing_data() {
        QTest::addColumn<int>("kind"); // 0 hostile, 1 no list, 2 answered No, 3 cancelled dialog
        QTest::addColumn<QString>("message");
        QTest::newRow("path leaving the folder")
            << 0 << TfrmSalvataggio::failureText({Failure::UnsafePath, QStringLiteral("../x")});
        QTest::newRow("no list") << 1 << TfrmSalvataggio::failureText({Failure::NoManifest, {}});
        QTest::newRow("answered No") << 2 << QString();
        QTest::newRow("no file chosen") << 3 << QString();
    }
    void aRefusedOrDeclinedRestoreChangesNothing() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        BackupFixture::fill(seams->folder.path(), false);
        const QString zip = copies->filePath(QStringLiteral("copia.zip"));
        const QList<QPair<QString, QByteArray>> entries = {
            {QStringLiteral("Contatti.pro"), QByteArray(3372, 'z')}, {QStringLiteral("../x"), "fuori"}};
        QVERIFY(BackupFixture::writeZip(zip, kind == 0 ? entries : entries.mid(0, 1), kind != 1));
        const QHash<QString, QByteArray> before = BackupFixture::tree(seams->folder.path());
        const QString outside = seams->folder.path() + QStringLiteral("../x");
        TfrmSalvataggio screen;
        if (kind != 3)
            dialogs->nextNames = {zip};
        seams->messages.answerNext(false);
        screen.cmdRipristina->click();
        if (!message.isEmpty()) {
            QCOMPARE(seams->messages.shown.size(), 1);
            QCOMPARE(seams->messages.shown[0].kind, MessageKind::Warning);
            QVERIFY(seams->messages.lastText().startsWith(message));
            QCOMPARE(screen.lstContenuto->count(), 0);
        } else if (kind == 2) {
            QCOMPARE(seams->messages.shown.size(), 1);
            QCOMPARE(seams->messages.shown[0].kind, MessageKind::Confirmation);
            QCOMPARE(screen.lstContenuto->count(), 1);
        } else {
            QVERIFY(seams->messages.shown.isEmpty());
        }
        QCOMPARE(BackupFixture::tree(seams->folder.path()), before);
        QVERIFY(!QFileInfo::exists(outside));
        QCOMPARE(zips(copies->path()), QStringList{QStringLiteral("copia.zip")});
        QCOMPARE(terminated, 0);
    }

    void aRestoreCutPutsEveryFileBackAndKeepsThePreRestoreCopy() {
        QTemporaryDir other;
        const QHash<QString, QByteArray> copied = BackupFixture::fill(other.path(), false);
        const BackupWriter::Result copy =
            BackupWriter::write(other.path(), copies->path(), QDateTime(QDate(2026, 11, 30), QTime(18, 5)));
        BackupFixture::fill(seams->folder.path(), false);
        seams->folder.write(QStringLiteral("Archivio_Appuntamenti.pro"), QByteArray(1265 * 3, 'a'));
        seams->folder.write(QStringLiteral("Logo.bmp"), QByteArray(100, 'L'));
        // A folder where Contatti.pro should go: its replacement fails, as for a file held open.
        QDir(seams->folder.path()).remove(QStringLiteral("Contatti.pro"));
        QVERIFY(QDir(seams->folder.path()).mkpath(QStringLiteral("Contatti.pro/aperto")));
        TfrmSalvataggio screen;
        dialogs->nextNames = {copy.zipPath};
        screen.cmdRipristina->click();

        QCOMPARE(terminated, 0);
        QCOMPARE(seams->messages.shown.last().kind, MessageKind::Error);
        const QString before =
            QDir(copies->path()).filePath(QStringLiteral("Tersalia_Copia_2026-12-10_09-30.zip"));
        QCOMPARE(seams->messages.lastText(),
                 TfrmSalvataggio::failureText({Failure::ReplaceFailed, QStringLiteral("Contatti.pro")}) +
                     QStringLiteral("\r\n\r\n") + TfrmSalvataggio::undoneText() +
                     QStringLiteral("\r\n\r\nLa copia dei dati precedenti al ripristino è\r\n") +
                     QDir::toNativeSeparators(before));
        QVERIFY(BackupArchive::inspect(before).outcome.ok());
        // Files of the copy had been put in place before Contatti.pro: every one went back.
        QCOMPARE(seams->folder.read(QStringLiteral("Archivio_Appuntamenti.pro")), QByteArray(1265 * 3, 'a'));
        QCOMPARE(seams->folder.read(QStringLiteral("Logo.bmp")), QByteArray(100, 'L'));
        QVERIFY(screen.cmdRipristina->isEnabled());
    }

    void aCopyInsideTheProgramFolderIsRefused() {
        BackupFixture::fill(seams->folder.path(), false);
        const QString folder = seams->folder.file(QStringLiteral("Anagrafica"));
        const QHash<QString, QByteArray> before = BackupFixture::tree(seams->folder.path());
        TfrmSalvataggio screen;
        dialogs->nextNames = {folder};
        screen.cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(),
                 TfrmSalvataggio::failureText({Failure::InsideProgramFolder, folder}));
        QVERIFY(seams->messages.lastText().contains(
            QStringLiteral("non può essere salvata nella cartella del programma")));
        QCOMPARE(BackupFixture::tree(seams->folder.path()), before);
        QVERIFY(ini(seams->folder, "Ultima").isEmpty());
    }

    // Killed in the middle of a restore: the next start, before the login,
    // leaves the folder wholly old or wholly new and says which.
    void aRestoreKilledIsMadeWholeBeforeTheLogin_data() {
        QTest::addColumn<int>("percent"); // of the restore's steps taken before it died
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("restored");
        QTest::newRow("while reading the copy")
            << 10 << "Un ripristino dei dati si era interrotto mentre leggeva" << false;
        QTest::newRow("while moving the files")
            << 70 << "Un ripristino dei dati si era interrotto: è stato completato" << true;
    }
    void aRestoreKilledIsMadeWholeBeforeTheLogin() {
        QFETCH(int, percent);
        QFETCH(QString, told);
        QFETCH(bool, restored);
        QTemporaryDir other, scratch;
        const QHash<QString, QByteArray> copied = BackupFixture::fill(other.path(), false);
        const QString copy =
            BackupWriter::write(other.path(), copies->path(), QDateTime(QDate(2026, 11, 30), QTime(18, 5)))
                .zipPath;
        BackupFixture::fill(seams->folder.path(), false);
        seams->folder.write(QStringLiteral("Contatti.pro"), QByteArray(3372 * 2, 'c'));
        const QHash<QString, QByteArray> current = dataOf(seams->folder.path());
        const QString before = BackupWriter::write(seams->folder.path(), copies->path(), kNow).zipPath;
        const auto stopper = [&](const QString &folder, int step) {
            QProcess p;
            p.start(QStringLiteral(RESTORE_STOPPER), {folder, copy, before, QString::number(step)});
            p.waitForFinished(60000);
            return qMakePair(p.exitCode(), p.readAllStandardOutput().trimmed().toInt());
        };
        BackupFixture::fill(scratch.path(), false);
        const int steps = stopper(scratch.path(), 1 << 30).second;
        QVERIFY(steps > 20);
        QCOMPARE(stopper(seams->folder.path(), steps * percent / 100).first, 9);
        QVERIFY(dataOf(seams->folder.path()) != (restored ? copied : current));

        QVERIFY(Tersalia::beforeLogin());
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Information);
        QVERIFY2(seams->messages.lastText().startsWith(told), qPrintable(seams->messages.lastText()));
        QVERIFY(seams->messages.lastText().contains(QDir::toNativeSeparators(copy)));
        QHash<QString, QByteArray> now = dataOf(seams->folder.path());
        now.remove(QStringLiteral("Salvataggio.ini"));
        QCOMPARE(now, restored ? copied : current);
        // Told once: the next start has nothing to say.
        QVERIFY(Tersalia::beforeLogin());
        QCOMPARE(seams->messages.shown.size(), 1);
    }

    void aRestoreRunningAtAnotherStationStopsTheStart() {
        BackupFixture::fill(seams->folder.path(), false);
        QFile journal(seams->folder.file(QStringLiteral("Ripristino_in_corso.txt")));
        QVERIFY(journal.open(QIODevice::ReadWrite));
        journal.write("Tersalia - ripristino dei dati in corso\r\n");
        journal.flush();
        const QHash<QString, QByteArray> before = BackupFixture::tree(seams->folder.path());
        FileLock running(journal);
        QVERIFY(running.isLocked());
        QVERIFY(!Tersalia::beforeLogin());
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Error);
        QVERIFY(seams->messages.lastText().startsWith(
            QStringLiteral("In un'altra postazione è in corso il ripristino")));
        QCOMPARE(BackupFixture::tree(seams->folder.path()), before);
    }

    void reminderAfterSevenDaysOnceADay_data() {
        QTest::addColumn<bool>("data");
        QTest::addColumn<QString>("lastCopy");
        QTest::addColumn<QString>("remindedOn");
        QTest::addColumn<QString>("question");
        const QString none = QStringLiteral(
            "Non è ancora stata creata una copia di sicurezza degli archivi: crearne una adesso?");
        QTest::newRow("empty archives") << false << ""
                                        << ""
                                        << "";
        QTest::newRow("never copied") << true << ""
                                      << "" << none;
        QTest::newRow("copied yesterday") << true << "09/12/2026 18:00"
                                          << ""
                                          << "";
        QTest::newRow("copied seven days ago") << true << "03/12/2026 09:30"
                                               << ""
                                               << "";
        QTest::newRow("seven days and a minute")
            << true << "03/12/2026 09:29"
            << ""
            << "L'ultima copia di sicurezza risale al 03/12/2026: crearne una adesso?";
        QTest::newRow("a month ago")
            << true << "10/11/2026 12:00"
            << "09/12/2026"
            << "L'ultima copia di sicurezza risale al 10/11/2026: crearne una adesso?";
        QTest::newRow("already asked today") << true << "10/11/2026 12:00"
                                             << "10/12/2026"
                                             << "";
        QTest::newRow("never copied, asked today") << true << ""
                                                   << "10/12/2026"
                                                   << "";
    }
    void reminderAfterSevenDaysOnceADay() {
        QFETCH(bool, data);
        QFETCH(QString, lastCopy);
        QFETCH(QString, remindedOn);
        QFETCH(QString, question);
        seams->folder.write(QStringLiteral("Contratti.pro"), QByteArray(data ? 4891 : 4890, 'k'));
        IniFile settings(seams->folder.file(QStringLiteral("Salvataggio.ini")));
        if (!lastCopy.isEmpty())
            QVERIFY(settings.write(QStringLiteral("Salvataggio"), QStringLiteral("Ultima"), lastCopy));
        if (!remindedOn.isEmpty())
            QVERIFY(
                BackupSettings::recordReminder(QDate::fromString(remindedOn, QStringLiteral("dd/MM/yyyy"))));
        QCOMPARE(BackupReminder::question(kNow), question);
        seams->messages.answerNext(false);
        QCOMPARE(BackupReminder::ask(nullptr), false);
        QCOMPARE(seams->messages.shown.size(), question.isEmpty() ? 0 : 1);
        // Asked once: not again the same day.
        QVERIFY(BackupReminder::question(kNow).isEmpty());
    }

    void loginRemindsAndTheMenuOpensTheScreen() {
        seams->folder.write(QStringLiteral("unins000.dll"), kStore);
        seams->folder.write(QStringLiteral("Contatti.pro"), QByteArray(3372, 'c'));
        const Tersalia::Screens s = Tersalia::createScreens();
        QString opened;
        whenModal([&opened](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        s.password->show();
        QTest::keyClicks(s.password->txtPassword, QStringLiteral("pergolatoviola"));
        s.password->cmdOK->click();
        QVERIFY(s.avvio->isVisible());
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Confirmation);
        QVERIFY(seams->messages.lastText().startsWith(QStringLiteral("Non è ancora stata creata")));
        QCOMPARE(opened, QStringLiteral("frmSalvataggio"));

        opened.clear();
        whenModal([&opened](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        emit s.avvio->imgSalvataggio->clicked();
        QCOMPARE(opened, QStringLiteral("frmSalvataggio"));
        QVERIFY(!s.avvio->imgSalvataggio->toolTip().isEmpty());
        Tersalia::destroyScreens();
    }
};

QTEST_MAIN(TstSalvataggio)
#include "tst_salvataggio.moc"
