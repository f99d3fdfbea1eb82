// The week planner's layout on a small archive: which appointments belong to
// the week, where each block goes (day, half-hour row, lane, strip), its
// colour state, the operators offered and the operator filter.
#include "PlanningFixture.h"
#include "TestEnv.h"
#include "appointments/planning/PlanningWeek.h"

#include <QTest>

using namespace Planning;

namespace {

const QString kFile = QStringLiteral("Archivio_Appuntamenti.pro");

Week readFixture(const QDate &day) {
    TempProgramFolder folder;
    folder.write(kFile, PlanningFixture::archive());
    return Week::read(folder.file(kFile), day, PlanningFixture::today);
}

// The block of record number n, or nullptr.
const Block *blockOf(const Week &week, const QList<Block> &blocks, qint64 n) {
    for (const Block &b : blocks)
        if (week.appointments().at(b.appointment).number == n)
            return &b;
    return nullptr;
}

QList<qint64> numbers(const Week &week, const QList<Block> &blocks) {
    QList<qint64> out;
    for (const Block &b : blocks)
        out << week.appointments().at(b.appointment).number;
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Planning::Place)
Q_DECLARE_METATYPE(Planning::State)

class TstPlanningWeek : public QObject {
    Q_OBJECT
private slots:
    void blockPlaces_data() {
        QTest::addColumn<qint64>("record");
        QTest::addColumn<int>("day");
        QTest::addColumn<Place>("place");
        QTest::addColumn<int>("row"); // or the strip's line
        QTest::addColumn<int>("lane");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("time");
        // Monday 09:00, 09:30 and 10:00: the first two overlap, the third
        // starts as the first ends and takes its lane again.
        QTest::newRow("09:00 past, not fulfilled")
            << 1LL << 0 << Place::Grid << 6 << 0 << 2 << State::Overdue << "09:00";
        QTest::newRow("09:30 beside it, fulfilled")
            << 2LL << 0 << Place::Grid << 7 << 1 << 2 << State::Fulfilled << "09:30";
        QTest::newRow("10:00 back in the first lane")
            << 3LL << 0 << Place::Grid << 8 << 0 << 2 << State::Overdue << "10:00";
        QTest::newRow("11:00 alone again")
            << 4LL << 0 << Place::Grid << 10 << 0 << 1 << State::Overdue << "11:00";
        QTest::newRow("today is not overdue")
            << 5LL << 2 << Place::Grid << 4 << 0 << 1 << State::ToFulfil << "08:15";
        QTest::newRow("21:59 in the last row")
            << 6LL << 6 << Place::Grid << 31 << 0 << 1 << State::ToFulfil << "21:59";
        QTest::newRow("05:30 in the early strip")
            << 7LL << 1 << Place::Early << 1 << 0 << 1 << State::Overdue << "05:30";
        QTest::newRow("no time: first in the early strip")
            << 8LL << 1 << Place::Early << 0 << 0 << 1 << State::Overdue << "";
        QTest::newRow("22:00 in the late strip")
            << 9LL << 1 << Place::Late << 0 << 0 << 1 << State::Overdue << "22:00";
        QTest::newRow("same time, fulfilled")
            << 12LL << 3 << Place::Grid << 16 << 0 << 2 << State::Fulfilled << "14:00";
        QTest::newRow("same time, beside it")
            << 15LL << 3 << Place::Grid << 16 << 1 << 2 << State::ToFulfil << "14:00";
        QTest::newRow("06:00 in the first row, odd flag")
            << 14LL << 4 << Place::Grid << 0 << 0 << 1 << State::ToFulfil << "06:00";
        QTest::newRow("hours and minutes, no time text")
            << 16LL << 5 << Place::Grid << 2 << 0 << 1 << State::ToFulfil << "07:00";
    }
    void blockPlaces() {
        QFETCH(qint64, record);
        QFETCH(int, day);
        QFETCH(Place, place);
        QFETCH(int, row);
        QFETCH(int, lane);
        QFETCH(int, lanes);
        QFETCH(State, state);
        QFETCH(QString, time);
        const Week week = readFixture(PlanningFixture::today);
        const QList<Block> blocks = week.blocks();
        const Block *b = blockOf(week, blocks, record);
        QVERIFY(b);
        const Planning::Appointment &a = week.appointments().at(b->appointment);
        QCOMPARE(b->day, day);
        QCOMPARE(b->place, place);
        QCOMPARE(place == Place::Grid ? b->row : b->line, row);
        if (place == Place::Grid) {
            QCOMPARE(b->lane, lane);
            QCOMPARE(b->lanes, lanes);
            QCOMPARE(b->offset, a.minute - firstHour * 60);
        }
        QCOMPARE(a.state, state);
        QCOMPARE(a.time, time);
        QCOMPARE(a.client, QString::fromUtf8(PlanningFixture::visits().at(record - 1).client));
    }

    void theWeekHoldsMondayToSunday() {
        // Any day of the week gives the same week, and only its days.
        for (const QDate &day : {PlanningFixture::monday, PlanningFixture::today, QDate(2026, 3, 15)}) {
            const Week week = readFixture(day);
            QCOMPARE(week.monday(), PlanningFixture::monday);
            QVERIFY(week.readWhole());
            QCOMPARE(numbers(week, week.blocks()),
                     (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14, 15, 16}));
        }
        const QList<Block> blocks = readFixture(PlanningFixture::today).blocks();
        QCOMPARE(stripLines(blocks, Place::Early), 2);
        QCOMPARE(stripLines(blocks, Place::Late), 1);
        // The week after holds the appointment of the Monday after.
        const Week next = readFixture(QDate(2026, 3, 16));
        QCOMPARE(numbers(next, next.blocks()), QList<qint64>{10});
    }

    void operatorsOfTheWholeArchive() {
        // Once each whatever the case, none for an empty name, sorted; also
        // those with no appointment this week or with a date that cannot be read.
        QCOMPARE(readFixture(PlanningFixture::today).operators(),
                 (QStringList{"Anna", "Beppe", "Carla", "Marco", "Zeno"}));
    }

    void operatorFilter_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QList<qint64>>("shown");
        QTest::addColumn<int>("lanesOfFirst"); // lanes of record shown[0]
        QTest::newRow("all") << "" << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14, 15, 16} << 2;
        // Alone in the filter, 09:00 and 10:00 no longer share their room.
        QTest::newRow("Anna") << "Anna" << QList<qint64>{1, 3, 4, 9, 12} << 1;
        QTest::newRow("a-z case aside") << "aNNA" << QList<qint64>{1, 3, 4, 9, 12} << 1;
        QTest::newRow("Beppe") << "Beppe" << QList<qint64>{6, 7, 8, 15} << 1;
        QTest::newRow("no appointment this week") << "Carla" << QList<qint64>{} << 0;
    }
    void operatorFilter() {
        QFETCH(QString, chosen);
        QFETCH(QList<qint64>, shown);
        QFETCH(int, lanesOfFirst);
        const Week week = readFixture(PlanningFixture::today);
        const QList<Block> blocks = week.blocks(chosen);
        QCOMPARE(numbers(week, blocks), shown);
        if (!shown.isEmpty())
            QCOMPARE(blockOf(week, blocks, shown.first())->lanes, lanesOfFirst);
        // Reading the archive is not needed again: the week keeps every appointment.
        QCOMPARE(week.appointments().size(), 13);
    }

    void busyHourGivesAsManyLanesAsItNeeds() {
        // Three at 10:00 and one at 10:30 that overlaps all three; 11:00 ends
        // the first three and goes back to lane 0 of the same group.
        TempProgramFolder folder;
        QByteArray bytes;
        const QList<PlanningFixture::Visit> v = {
            {"14/03/2026", "10", "00", "10:00", "A", "Uno", "No"},
            {"14/03/2026", "10", "00", "10:00", "A", "Due", "No"},
            {"14/03/2026", "10", "00", "10:00", "A", "Tre", "No"},
            {"14/03/2026", "10", "30", "10:30", "A", "Quattro", "No"},
            {"14/03/2026", "11", "00", "11:00", "A", "Cinque", "No"},
        };
        for (const PlanningFixture::Visit &visit : v)
            bytes += PlanningFixture::record(visit);
        folder.write(kFile, bytes);
        const Week week = Week::read(folder.file(kFile), PlanningFixture::today, PlanningFixture::today);
        const QList<Block> blocks = week.blocks();
        const QList<int> lanes = {0, 1, 2, 3, 0};
        for (qint64 n = 1; n <= 5; ++n) {
            QCOMPARE(blockOf(week, blocks, n)->lane, lanes.at(n - 1));
            QCOMPARE(blockOf(week, blocks, n)->lanes, 4);
        }
    }

    void missingArchiveGivesAnEmptyWeek() {
        TempProgramFolder folder;
        const Week week = Week::read(folder.file(kFile), PlanningFixture::today, PlanningFixture::today);
        QVERIFY(week.appointments().isEmpty());
        QVERIFY(week.operators().isEmpty());
        QCOMPARE(week.monday(), PlanningFixture::monday);
    }
};

QTEST_MAIN(TstPlanningWeek)
#include "tst_planningweek.moc"
