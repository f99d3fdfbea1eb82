// The year's figures against sums made by hand over a small folder: services
// billed, appointments by state and hours, month by month, what cannot be read
// counted, and the years found.
#include "OverviewFixture.h"
#include "overview/MonthTable.h"
#include "overview/YearFigures.h"

#include <QDirIterator>
#include <QTest>

class TstYearFigures : public QObject {
    Q_OBJECT

private slots:
    void months_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("services");
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<int>("fulfilled");
        QTest::addColumn<int>("overdue");
        QTest::addColumn<int>("pending");
        QTest::addColumn<double>("hours");
        // clang-format off
        QTest::newRow("last day of January, two clients") << 2024 << 1 << 2 << qint64(10033) << 0 << 0 << 0 << 11.0;
        QTest::newRow("leap day")                         << 2024 << 2 << 2 << qint64(7075) << 0 << 0 << 0 << 7.5;
        QTest::newRow("only unreadable entries")          << 2024 << 3 << 0 << qint64(0) << 0 << 0 << 0 << 0.0;
        QTest::newRow("no amount is no service")          << 2024 << 4 << 1 << qint64(125000) << 0 << 0 << 0 << 0.0;
        QTest::newRow("visits around today")              << 2024 << 6 << 0 << qint64(0) << 1 << 1 << 2 << 0.0;
        QTest::newRow("visits to come")                   << 2024 << 7 << 0 << qint64(0) << 0 << 0 << 1 << 0.0;
        QTest::newRow("previous year, last day")          << 2023 << 12 << 1 << qint64(100000) << 0 << 0 << 0 << 4.0;
        QTest::newRow("previous year, missed visit")      << 2023 << 5 << 0 << qint64(0) << 0 << 1 << 0 << 0.0;
        QTest::newRow("year without data")                << 2022 << 1 << 0 << qint64(0) << 0 << 0 << 0 << 0.0;
        // clang-format on
    }
    void months() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, services);
        QFETCH(qint64, cents);
        QFETCH(int, fulfilled);
        QFETCH(int, overdue);
        QFETCH(int, pending);
        QFETCH(double, hours);
        TempProgramFolder folder;
        OverviewFixture::write(folder);
        const MonthFigures m = CompanyFigures::read(OverviewFixture::today()).year(year).months.at(month - 1);
        QCOMPARE(m.services, services);
        QCOMPARE(m.cents, cents);
        QCOMPARE(m.fulfilled, fulfilled);
        QCOMPARE(m.overdue, overdue);
        QCOMPARE(m.pending, pending);
        QCOMPARE(m.appointments(), fulfilled + overdue + pending);
        QCOMPARE(m.hours(), hours);
    }

    void yearTotals_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("services");
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<int>("appointments");
        QTest::addColumn<double>("hours");
        QTest::addColumn<int>("unreadable");
        QTest::newRow("2024") << 2024 << 5 << qint64(142108) << 5 << 18.5 << 2;
        QTest::newRow("2023") << 2023 << 1 << qint64(100000) << 1 << 4.0 << 0;
        QTest::newRow("2025") << 2025 << 0 << qint64(0) << 0 << 0.0 << 0;
    }
    void yearTotals() {
        QFETCH(int, year);
        QFETCH(int, services);
        QFETCH(qint64, cents);
        QFETCH(int, appointments);
        QFETCH(double, hours);
        QFETCH(int, unreadable);
        TempProgramFolder folder;
        OverviewFixture::write(folder);
        const CompanyFigures figures = CompanyFigures::read(OverviewFixture::today());
        const YearFigures y = figures.year(year);
        const MonthFigures t = y.total();
        QCOMPARE(t.services, services);
        QCOMPARE(t.cents, cents);
        QCOMPARE(t.appointments(), appointments);
        QCOMPARE(t.hours(), hours);
        QCOMPARE(y.unreadable, unreadable);
        // Dates that cannot be read: 31/02/2024, "xx", 32/01/2024.
        QCOMPARE(figures.undated(), 3);
        QCOMPARE(figures.unreadableFiles(), 0);
    }

    void years_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("years");
        QTest::newRow("current year with data") << 2024 << QList<int>{2024, 2023};
        QTest::newRow("current year without data") << 2026 << QList<int>{2026, 2024, 2023};
        QTest::newRow("current year between") << 2023 << QList<int>{2023, 2024};
    }
    void years() {
        QFETCH(int, current);
        QFETCH(QList<int>, years);
        TempProgramFolder folder;
        OverviewFixture::write(folder);
        QCOMPARE(CompanyFigures::read(OverviewFixture::today()).years(current), years);
    }

    // Amounts and hours typed with three decimals outside the program: each
    // entry is rounded once, half up, so the "Totale" row is the sum of the
    // month rows to the cent (adding first and rounding the sum would give
    // 0,02 and 3,02 here).
    void totalIsTheSumOfItsMonths() {
        TempProgramFolder folder;
        folder.write(Archives::servicesFileName(1),
                     OverviewFixture::services({{QStringLiteral("10/01/2024"), QStringLiteral("0,005")},
                                                {QStringLiteral("10/02/2024"), QStringLiteral("0,005")},
                                                {QStringLiteral("10/03/2024"), QStringLiteral("0,005")},
                                                {QStringLiteral("11/03/2024"), QStringLiteral("12,344")}}));
        QDir(folder.path()).mkpath(Archives::worksFolderName());
        folder.write(Archives::worksFolderName() + QLatin1Char('/') +
                         Archives::worksFileName(QStringLiteral("RSSMRA80A01H501U")),
                     OverviewFixture::works({{QStringLiteral("10/01/2024"), QStringLiteral("1,005")},
                                             {QStringLiteral("10/02/2024"), QStringLiteral("1.005")},
                                             {QStringLiteral("10/03/2024"), QStringLiteral("1,005")}}));
        const YearFigures y = CompanyFigures::read(OverviewFixture::today()).year(2024);
        QCOMPARE(y.months.at(0).cents, qint64(1));
        QCOMPARE(y.months.at(2).cents, qint64(1235));
        QCOMPARE(y.months.at(1).hundredths, qint64(101));
        QCOMPARE(y.total().cents, qint64(1237));
        QCOMPARE(y.total().hundredths, qint64(303));

        const QList<QStringList> rows = MonthTable::rows(y);
        QCOMPARE(rows.at(0).at(MonthTable::Importo), QStringLiteral("0,01"));
        QCOMPARE(rows.at(2).at(MonthTable::Importo), QStringLiteral("12,35"));
        QCOMPARE(rows.at(12).at(MonthTable::Importo), QStringLiteral("12,37"));
        QCOMPARE(rows.at(0).at(MonthTable::Ore), QStringLiteral("1,01"));
        QCOMPARE(rows.at(12).at(MonthTable::Ore), QStringLiteral("3,03"));
    }

    // The overview only reads: an empty folder stays empty.
    void emptyFolderReadsNothingAndCreatesNothing() {
        TempProgramFolder folder;
        const CompanyFigures figures = CompanyFigures::read(OverviewFixture::today());
        QCOMPARE(figures.years(2024), QList<int>{2024});
        QCOMPARE(figures.year(2024).total().appointments(), 0);
        QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QVERIFY2(!it.hasNext(), qPrintable(it.hasNext() ? it.next() : QString()));
    }

    // Progress goes forward only and ends at the bytes of every file read.
    void progressCoversEveryFile() {
        TempProgramFolder folder;
        OverviewFixture::write(folder);
        qint64 last = -1, total = -1;
        bool forward = true;
        CompanyFigures::read(OverviewFixture::today(), [&](qint64 done, qint64 all) {
            forward = forward && done >= last;
            last = done;
            total = all;
        });
        QVERIFY(forward);
        const qint64 expected = 9 * Archives::services().size() + 7 * Archives::appointments().size() +
                                6 * Archives::works().size();
        QCOMPARE(total, expected);
        QCOMPARE(last, expected);
    }

    // An archive that is there but cannot be read (here a folder stands in
    // its place) is told, and the other files are still read.
    void unreadableArchiveIsCounted() {
        TempProgramFolder folder;
        OverviewFixture::write(folder);
        const QString archive = Archives::appointments().fileName();
        QVERIFY(QFile::remove(folder.file(archive)));
        QVERIFY(QDir(folder.path()).mkdir(archive));
        const CompanyFigures figures = CompanyFigures::read(OverviewFixture::today());
        QCOMPARE(figures.unreadableFiles(), 1);
        QCOMPARE(figures.year(2024).total().appointments(), 0);
        QCOMPARE(figures.year(2024).months.at(0).services, 2);
    }
};

QTEST_MAIN(TstYearFigures)
#include "tst_yearfigures.moc"
