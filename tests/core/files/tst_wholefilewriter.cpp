// A file written whole takes its target's place only once it is whole, from a
// temporary the writer holds under its lock; on any failure the target stays
// as it was and nothing is left beside it.
#include "FullDisk.h"
#include "TestEnv.h"
#include "core/files/FileLock.h"
#include "core/files/ProgramTemporary.h"
#include "core/files/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

namespace {

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TstWholeFileWriter : public QObject {
    Q_OBJECT
private slots:
    void replacesTheTargetOnlyWhenWhole() {
        TempProgramFolder folder;
        const QString target = folder.file(QStringLiteral("Clienti.xls"));
        folder.write(QStringLiteral("Clienti.xls"), "the previous export");
        WholeFileWriter writer(target);
        QVERIFY(writer.open());
        QCOMPARE(QFileInfo(writer.temporaryPath()).absolutePath(), QFileInfo(target).absolutePath());
        QVERIFY(ProgramTemporary::isTemporaryName(QFileInfo(writer.temporaryPath()).fileName()));
        QVERIFY(writer.write("the new "));
        QVERIFY(writer.write("export"));
        QCOMPARE(folder.read(QStringLiteral("Clienti.xls")), QByteArray("the previous export"));
        QVERIFY(writer.commit());
        QCOMPARE(folder.read(QStringLiteral("Clienti.xls")), QByteArray("the new export"));
        QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("Clienti.xls")});
    }

    // Held while written: another desk's clean-up cannot take it for a leftover.
    void theTemporaryIsLockedWhileWritten() {
        TempProgramFolder folder;
        WholeFileWriter writer(folder.file(QStringLiteral("Logo.bmp")));
        QVERIFY(writer.open());
        QFile other(writer.temporaryPath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(!FileLock(other, FileLock::Kind::Exclusive, 0).isLocked());
        QVERIFY(writer.commit());
        QVERIFY(FileLock(other, FileLock::Kind::Exclusive, 0).isLocked()); // let go once in place
    }

    // Readable by every desk: the permissions of any file the program makes
    // (QFile's, what the umask leaves), not the owner's alone.
    void aNewFileHasTheUsualPermissions() {
        TempProgramFolder folder;
        QFile plain(folder.file(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(WholeFileWriter::writeWhole(folder.file(QStringLiteral("Contatto.pdf")), "%PDF"));
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("Contatto.pdf"))).permissions(), plain.permissions());
        QVERIFY(plain.permissions() & QFileDevice::ReadOther);
    }

    void aNewNameNeverReplaces() {
        TempProgramFolder folder;
        const QString target = folder.file(QStringLiteral("Contratto.pdf"));
        {
            WholeFileWriter writer(target);
            QVERIFY(writer.open() && writer.write("first"));
            QCOMPARE(writer.commitAsNew(), WholeFileWriter::Placing::Placed);
        }
        WholeFileWriter writer(target);
        QVERIFY(writer.open() && writer.write("second"));
        QCOMPARE(writer.commitAsNew(), WholeFileWriter::Placing::TargetExists);
        QCOMPARE(folder.read(QStringLiteral("Contratto.pdf")), QByteArray("first"));
        QVERIFY(QFileInfo::exists(writer.temporaryPath())); // ready for the user's answer
        QVERIFY(writer.commit());
        QCOMPARE(folder.read(QStringLiteral("Contratto.pdf")), QByteArray("second"));
        QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("Contratto.pdf")});
    }

    // Every way a write can fail: the target as it was, no temporary left.
    void aFailureLeavesTheTargetAndNothingElse_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("given up") << "cancel";
        QTest::newRow("never committed") << "destroyed";
        QTest::newRow("a new name taken, declined") << "declined";
        QTest::newRow("the target cannot be replaced") << "folder in the way";
        QTest::newRow("a full disk") << "full disk";
        QTest::newRow("a disk that fills up half-way") << "half full";
        QTest::newRow("the same, written as a device (QImageWriter)") << "half full, device";
    }
    void aFailureLeavesTheTargetAndNothingElse() {
        QFETCH(QString, how);
        TempProgramFolder folder;
        const QString name = QStringLiteral("Modulo_Privacy.rtf");
        std::unique_ptr<FullDisk> disk;
        if (how.contains(QLatin1String("full"))) {
            disk = std::make_unique<FullDisk>(folder.path());
            if (!disk->mounted())
                QSKIP("this machine gives no way of filling a disk");
        }
        QByteArray before = "{\\rtf1 the previous document}";
        if (how == QLatin1String("folder in the way")) {
            QVERIFY(QDir().mkpath(folder.file(name + QStringLiteral("/inside"))));
            before.clear();
        } else {
            folder.write(name, before);
        }
        if (disk) {
            QVERIFY(disk->fill());
            if (how.startsWith(QLatin1String("half full")))
                QVERIFY(disk->leaveRoom(8192));
        }
        const QByteArray document(64 * 1024, 'x');
        bool ok = true;
        {
            WholeFileWriter writer(folder.file(name));
            QVERIFY(writer.open());
            // The write may fail already; commit tells in any case.
            if (how.endsWith(QLatin1String("device")))
                writer.device().write(document);
            else
                writer.write(document);
            if (how == QLatin1String("cancel"))
                writer.cancel();
            else if (how == QLatin1String("declined"))
                QCOMPARE(writer.commitAsNew(), WholeFileWriter::Placing::TargetExists);
            else if (how != QLatin1String("destroyed"))
                ok = writer.commit();
        }
        QVERIFY(!ok || !how.contains(QLatin1String("full")));
        QVERIFY(!ok || how != QLatin1String("folder in the way"));
        QStringList expected = {name};
        if (disk)
            expected.prepend(QStringLiteral("riempitivo.bin"));
        QStringList left = filesIn(folder.path());
        if (how == QLatin1String("folder in the way"))
            QVERIFY(left.isEmpty() && QFileInfo(folder.file(name)).isDir());
        else {
            expected.sort();
            QCOMPARE(left, expected);
            QCOMPARE(folder.read(name), before);
        }
    }

    void aFolderThatCannotBeWrittenIsTold() {
        TempProgramFolder folder;
        WholeFileWriter missing(folder.file(QStringLiteral("manca/Clienti.xls")));
        QVERIFY(!missing.open());
        QVERIFY(!missing.commit());
        QVERIFY(!WholeFileWriter::writeWhole(folder.file(QStringLiteral("manca/Clienti.xls")), "x"));
        QVERIFY(filesIn(folder.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstWholeFileWriter)
#include "tst_wholefilewriter.moc"
