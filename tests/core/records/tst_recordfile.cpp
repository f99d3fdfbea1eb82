// Record layouts and record files: sizes, offsets, encoding and the file operations.
#include "FullDisk.h"
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"

#include <QDir>
#include <QTest>

namespace {
// An appointment record written by hand from the layout's table.
QByteArray handMadeAppointment() {
    QByteArray r(1265, '\0');
    auto put = [&r](int offset, const QByteArray &text) {
        r[offset] = char(text.size());
        r.replace(offset + 1, text.size(), text);
    };
    put(0, "05/03/2024");
    put(11, "09");
    put(14, "30");
    put(17, "09:30");
    put(23, "10");
    put(27, "Anna");
    put(78, "Pulizia uffici");
    put(580, "Rossi Mario");
    put(662, "3331234567");
    put(995, "150,00");
    put(1011, "Citofonare due volte");
    put(1262, "S\xec");
    return r;
}

QList<QByteArray> samples(const RecordLayout &layout, int n, const QString &tag);

Record sample(const RecordLayout &layout, const QString &tag) {
    Record rec(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        rec.set(i, tag + QString::number(i));
    return rec;
}
QList<QByteArray> samples(const RecordLayout &layout, int n, const QString &tag) {
    QList<QByteArray> list;
    for (int i = 0; i < n; ++i)
        list << sample(layout, tag + QString::number(i) + QLatin1Char('-')).bytes();
    return list;
}

// Appointment records, 1265 bytes: three of them leave 301 bytes of their
// file's last 4 KB block, room for part of one more.
const RecordLayout &appointments() { return Archives::appointments(); }
} // namespace

class TstRecordFile : public QObject {
    Q_OBJECT
private slots:
    void recordSizes_data() {
        QTest::addColumn<const RecordLayout *>("layout");
        QTest::addColumn<int>("size");
        QTest::newRow("clients") << &Archives::clients() << 3372;
        QTest::newRow("services") << &Archives::services() << 117;
        QTest::newRow("employees") << &Archives::employees() << 3356;
        QTest::newRow("works") << &Archives::works() << 149;
        QTest::newRow("appointments") << &Archives::appointments() << 1265;
        QTest::newRow("contracts") << &Archives::contracts() << 4891;
        QTest::newRow("invoices") << &Archives::invoices() << 806;
        QTest::newRow("invoice lines") << &Archives::invoiceLines() << 1125;
        QTest::newRow("invoice numbers") << &Archives::invoiceNumbers() << 54;
        QTest::newRow("billing data") << &Archives::billingData() << 158;
    }
    void recordSizes() {
        QFETCH(const RecordLayout *, layout);
        QFETCH(int, size);
        QCOMPARE(layout->size(), size);
    }

    void offsets_data() {
        QTest::addColumn<const RecordLayout *>("layout");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("offset");
        QTest::newRow("client Ricontatta") << &Archives::clients() << "Ricontatta" << 1863;
        QTest::newRow("client Desc03") << &Archives::clients() << "Desc03" << 3121;
        QTest::newRow("client Iban") << &Archives::clients() << "Iban" << 817;
        QTest::newRow("service Importo") << &Archives::services() << "Importo" << 101;
        QTest::newRow("employee CodFisc") << &Archives::employees() << "CodFisc" << 400;
        QTest::newRow("employee Desc03") << &Archives::employees() << "Desc03" << 3105;
        QTest::newRow("work TotOre") << &Archives::works() << "TotOre" << 120;
        QTest::newRow("appointment Importo") << &Archives::appointments() << "Importo" << 995;
        QTest::newRow("appointment Ottemperata") << &Archives::appointments() << "Ottemperata" << 1262;
        QTest::newRow("contract txtImpCanone") << &Archives::contracts() << "txtImpCanone" << 2150;
        QTest::newRow("contract txtOpInc01") << &Archives::contracts() << "txtOpInc01" << 2417;
        QTest::newRow("contract txtOpEsc01") << &Archives::contracts() << "txtOpEsc01" << 2901;
        QTest::newRow("contract lblFile01") << &Archives::contracts() << "lblFile01" << 3385;
        QTest::newRow("contract lblDesc01") << &Archives::contracts() << "lblDesc01" << 4138;
    }
    void offsets() {
        QFETCH(const RecordLayout *, layout);
        QFETCH(QString, field);
        QFETCH(int, offset);
        const int i = layout->indexOf(field);
        QVERIFY(i >= 0);
        QCOMPARE(layout->offset(i), offset);
    }

    void recordRoundTripAgainstHandMadeBytes() {
        const QByteArray bytes = handMadeAppointment();
        Record rec(Archives::appointments());
        rec.bytes() = bytes;
        QCOMPARE(rec.get("Data"), QStringLiteral("05/03/2024"));
        QCOMPARE(rec.get("Ora"), QStringLiteral("09:30"));
        QCOMPARE(rec.get("Ottemperata"), QStringLiteral("Sì"));
        QCOMPARE(rec.get("Dettagli"), QString());

        Record built(Archives::appointments());
        const char *names[] = {"Data",    "Ore",      "Minuti", "Ora",     "Avviso", "Tipologia",
                               "Causale", "Contatto", "Cel",    "Importo", "Note",   "Ottemperata"};
        for (const char *n : names)
            built.set(n, QStringLiteral("  ") + rec.get(n) + QStringLiteral(" "));
        QCOMPARE(built.bytes(), bytes);
    }

    void encodingRules() {
        Record rec(Archives::appointments());
        rec.set("Ore", QStringLiteral("12345"));            // cut to width 2
        rec.set("Tipologia", QStringLiteral("  Anna\t"));   // trimmed
        rec.set("Contatto", QStringLiteral("Ελένη Rossi")); // Greek replaced
        QCOMPARE(rec.get("Ore"), QStringLiteral("12"));
        QCOMPARE(rec.bytes().at(11), char(2));
        QCOMPARE(rec.get("Tipologia"), QStringLiteral("Anna"));
        QCOMPARE(rec.get("Contatto"), QStringLiteral("????? Rossi"));
        QCOMPARE(rec.bytes().mid(580, 1).at(0), char(11));

        // A length byte larger than the width never reads into the next field.
        rec.bytes()[11] = char(200);
        QCOMPARE(rec.get("Ore"), QStringLiteral("12"));
    }

    void createsMissingFileAndCountsWholeRecords() {
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("Archivio_Appuntamenti.pro")), 1265);
        QVERIFY(file.open());
        QCOMPARE(file.count(), 0);
        file.close();
        QVERIFY(QFile::exists(folder.file(QStringLiteral("Archivio_Appuntamenti.pro"))));
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("Archivio_Appuntamenti.pro"))).size(), 0);
    }

    void appendOverwriteAndPositions() {
        TempProgramFolder folder;
        const RecordLayout &layout = Archives::works();
        const QString path = folder.file(QStringLiteral("w.pro"));
        RecordFile file(path, layout.size());
        QVERIFY(file.open());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(file.append(sample(layout, QStringLiteral("r%1-").arg(i)).bytes()));
            QCOMPARE(file.position(), i + 1); // the new record's number
        }
        file.close();
        const QByteArray before = folder.read(QStringLiteral("w.pro"));
        QCOMPARE(before.size(), 3 * 149);

        QVERIFY(file.open());
        QVERIFY(file.overwriteAt(1, sample(layout, QStringLiteral("new-")).bytes()));
        QCOMPARE(file.position(), 2);
        file.close();
        const QByteArray after = folder.read(QStringLiteral("w.pro"));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(149), before.left(149));
        QCOMPARE(after.mid(298), before.mid(298));

        QVERIFY(file.open());
        QByteArray buf;
        QVERIFY(file.readAt(1, buf));
        Record rec(layout);
        rec.bytes() = buf;
        QCOMPARE(rec.get("Data"), QStringLiteral("new-0"));
        QVERIFY(file.readNext(buf));
        QCOMPARE(file.position(), 3);
        QVERIFY(file.atEnd());
        QVERIFY(!file.readNext(buf));
        QVERIFY(!file.overwriteAt(3, rec.bytes())); // never grows by overwriting
    }

    void trailingPartialRecordIsIgnoredThenWrittenOver() {
        TempProgramFolder folder;
        const RecordLayout &layout = Archives::services();
        QByteArray content = sample(layout, QStringLiteral("a")).bytes() + QByteArray(50, 'x');
        folder.write(QStringLiteral("s.pro"), content);
        RecordFile file(folder.file(QStringLiteral("s.pro")), layout.size());
        QVERIFY(file.open());
        QCOMPARE(file.count(), 1);
        QByteArray buf;
        QVERIFY(!file.readAt(1, buf));
        QVERIFY(file.append(sample(layout, QStringLiteral("b")).bytes()));
        QCOMPARE(file.position(), 2);
        file.close();
        QCOMPARE(folder.read(QStringLiteral("s.pro")).size(), 2 * 117);
    }

    // Many records in one append: after the whole records already there (a
    // trailing partial one is written over), in the order given.
    void appendAllAddsEveryRecordInOrder_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("added");
        const QByteArray three = samples(appointments(), 3, QStringLiteral("old")).join();
        QTest::newRow("an empty file") << QByteArray() << 5;
        QTest::newRow("three records") << three << 500;
        QTest::newRow("a trailing partial record") << three + QByteArray(50, 'x') << 2;
    }
    void appendAllAddsEveryRecordInOrder() {
        QFETCH(QByteArray, before);
        QFETCH(int, added);
        TempProgramFolder folder;
        folder.write(QStringLiteral("a.pro"), before);
        const int size = appointments().size();
        const QList<QByteArray> records = samples(appointments(), added, QStringLiteral("new"));
        RecordFile file(folder.file(QStringLiteral("a.pro")), size);
        QVERIFY(file.open());
        const qint64 whole = file.count();
        QVERIFY(file.appendAll(records));
        QCOMPARE(file.position(), whole + added); // the last new record's number
        QCOMPARE(file.count(), whole + added);
        file.close();
        QCOMPARE(folder.read(QStringLiteral("a.pro")), before.left(whole * size) + records.join());
    }

    void appendAllRefusesARecordOfAnotherSize() {
        TempProgramFolder folder;
        const QByteArray before = samples(appointments(), 2, QStringLiteral("old")).join();
        folder.write(QStringLiteral("a.pro"), before);
        QList<QByteArray> records = samples(appointments(), 3, QStringLiteral("new"));
        records[2].chop(1);
        RecordFile file(folder.file(QStringLiteral("a.pro")), appointments().size());
        QVERIFY(file.open());
        QVERIFY(!file.appendAll(records));
        QVERIFY(!file.appendAll({}));
        file.close();
        QCOMPARE(folder.read(QStringLiteral("a.pro")), before);
    }

    // A disk that fills up while the records are written: the append fails
    // and the file is exactly as before, never with some of the records (or
    // part of one) at its end. Once there is room again the same append works.
    void aFullDiskLeavesTheFileAsItWas_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("room"); // bytes given back after filling the disk
        QTest::addColumn<int>("added");
        const QByteArray three = samples(appointments(), 3, QStringLiteral("old")).join();
        QTest::newRow("one record, part of it fits") << three << 0 << 1;
        QTest::newRow("many records, part of one fits") << three << 0 << 10;
        QTest::newRow("many records, some of them fit") << three << 8192 << 40;
        QTest::newRow("over a trailing partial record") << three + QByteArray(50, 'x') << 8192 << 40;
    }
    void aFullDiskLeavesTheFileAsItWas() {
        QFETCH(QByteArray, before);
        QFETCH(int, room);
        QFETCH(int, added);
        TempProgramFolder folder;
        const QList<QByteArray> records = samples(appointments(), added, QStringLiteral("new"));
        const QString name = QStringLiteral("a.pro");
        RecordFile file(folder.file(name), appointments().size());
        QByteArray left;
        {
            FullDisk disk(folder.path());
            if (!disk.mounted())
                QSKIP("this machine gives no way of filling a disk");
            folder.write(name, before);
            QVERIFY(disk.fill());
            if (room > 0)
                QVERIFY(disk.leaveRoom(room));
            QVERIFY(file.open());
            QByteArray one = records.first();
            QVERIFY(added == 1 ? !file.append(one, {}) : !file.appendAll(records));
            file.close();
            left = folder.read(name);
            QFile::remove(folder.file(QStringLiteral("riempitivo.bin")));
            QVERIFY(file.open());
            QVERIFY(file.appendAll(records));
            QCOMPARE(file.count(), before.size() / appointments().size() + added);
            file.close();
        }
        QCOMPARE(left, before);
    }

    void openNeverTruncatesAndReportsUnopenableFiles() {
        TempProgramFolder folder;
        folder.write(QStringLiteral("c.pro"), QByteArray(4891 * 2, 'z'));
        RecordFile file(folder.file(QStringLiteral("c.pro")), 4891);
        QVERIFY(file.open());
        QCOMPARE(file.count(), 2);
        file.close();
        QCOMPARE(folder.read(QStringLiteral("c.pro")).size(), 4891 * 2);

        // A name taken by a folder cannot be opened as a record file.
        QDir(folder.path()).mkdir(QStringLiteral("Contatti.pro"));
        RecordFile blocked(folder.file(QStringLiteral("Contatti.pro")), 3372);
        QVERIFY(!blocked.open());
        QByteArray buf;
        QVERIFY(!blocked.append(QByteArray(3372, '\0')));
        QVERIFY(!blocked.readAt(0, buf));
    }

    void readBlockScansLargeFiles() {
        TempProgramFolder folder;
        const RecordLayout &layout = Archives::services();
        QByteArray content;
        for (int i = 0; i < 1000; ++i) {
            Record r(layout);
            r.set("Data", QString::number(i));
            content += r.bytes();
        }
        folder.write(QStringLiteral("big.pro"), content);
        RecordFile file(folder.file(QStringLiteral("big.pro")), layout.size());
        QVERIFY(file.open());
        QByteArray block;
        qint64 seen = 0, n;
        while ((n = file.readBlock(block, 300)) > 0) {
            for (qint64 i = 0; i < n; ++i)
                QCOMPARE(decodeField(layout, block.constData() + i * layout.size(), 0),
                         QString::number(seen + i));
            seen += n;
        }
        QCOMPARE(n, 0);
        QCOMPARE(seen, 1000);
    }
};

QTEST_GUILESS_MAIN(TstRecordFile)
#include "tst_recordfile.moc"
