// The dates of a repeated appointment, on dates checked against a calendar.
#include "core/calendar/Holidays.h"
#include "appointments/repetition/Recurrence.h"
#include "core/text/Formats.h"

#include <QSet>
#include <QTest>

using Recurrence::Unit;
Q_DECLARE_METATYPE(Recurrence::Unit)

namespace {

QDate day(const char *text) {
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

// "lun ven" -> the weekday bits.
unsigned weekdays(const QString &names) {
    static const QStringList all = {QStringLiteral("lun"), QStringLiteral("mar"), QStringLiteral("mer"),
                                    QStringLiteral("gio"), QStringLiteral("ven"), QStringLiteral("sab"),
                                    QStringLiteral("dom")};
    unsigned bits = 0;
    for (const QString &n : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        bits |= Recurrence::weekdayBit(int(all.indexOf(n)) + 1);
    return bits;
}

} // namespace

class TstRecurrence : public QObject {
    Q_OBJECT
private slots:
    void visits_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("every");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("until"); // empty: the count ends the list
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<QStringList>("lines"); // the first lines of the list
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("cutShort");

        QTest::newRow("Tuesday and Friday across a month end")
            << "27/01/2026" << 1 << Unit::Weeks << "mar ven"
            << "" << 5 << false
            << QStringList{"ven 30/01/2026 09:30", "mar 03/02/2026 09:30", "ven 06/02/2026 09:30",
                           "mar 10/02/2026 09:30"}
            << 4 << false;
        QTest::newRow("every 3 weeks, the end day included")
            << "05/01/2026" << 3 << Unit::Weeks << "lun"
            << "09/03/2026" << 0 << false
            << QStringList{"lun 26/01/2026 09:30", "lun 16/02/2026 09:30", "lun 09/03/2026 09:30"} << 3
            << false;
        QTest::newRow("every 3 weeks, other days than the first's")
            << "07/01/2026" << 3 << Unit::Weeks << "lun ven"
            << "" << 4 << false
            << QStringList{"ven 09/01/2026 09:30", "lun 26/01/2026 09:30", "ven 30/01/2026 09:30"} << 3
            << false;
        QTest::newRow("the 31st every month")
            << "31/01/2026" << 1 << Unit::Months << ""
            << "" << 5 << false
            << QStringList{"sab 28/02/2026 09:30  (ultimo giorno del mese)", "mar 31/03/2026 09:30",
                           "gio 30/04/2026 09:30  (ultimo giorno del mese)", "dom 31/05/2026 09:30"}
            << 4 << false;
        QTest::newRow("the 31st in a leap year")
            << "31/01/2028" << 1 << Unit::Months << ""
            << "" << 3 << false
            << QStringList{"mar 29/02/2028 09:30  (ultimo giorno del mese)", "ven 31/03/2028 09:30"} << 2
            << false;
        QTest::newRow("29 February every 12 months")
            << "29/02/2024" << 12 << Unit::Months << ""
            << "" << 5 << false
            << QStringList{"ven 28/02/2025 09:30  (ultimo giorno del mese)",
                           "sab 28/02/2026 09:30  (ultimo giorno del mese)",
                           "dom 28/02/2027 09:30  (ultimo giorno del mese)", "mar 29/02/2028 09:30"}
            << 4 << false;
        QTest::newRow("Easter Monday kept and marked")
            << "30/03/2026" << 1 << Unit::Weeks << "lun"
            << "" << 3 << false
            << QStringList{"lun 06/04/2026 09:30  (festivo: Lunedì dell'Angelo)", "lun 13/04/2026 09:30"} << 2
            << false;
        QTest::newRow("Easter Monday skipped, the next Monday unshifted")
            << "30/03/2026" << 1 << Unit::Weeks << "lun"
            << "" << 3 << true
            << QStringList{"mar 07/04/2026 09:30  (spostato da lun 06/04/2026, festivo: Lunedì dell'Angelo)",
                           "lun 13/04/2026 09:30"}
            << 2 << false;
        QTest::newRow("a Friday holiday skipped onto the Saturday")
            << "24/04/2026" << 1 << Unit::Weeks << "ven"
            << "" << 3 << true
            << QStringList{"sab 02/05/2026 09:30  (spostato da ven 01/05/2026, festivo: Festa del Lavoro)",
                           "ven 08/05/2026 09:30"}
            << 2 << false;
        QTest::newRow("Christmas on Friday skipped past Santo Stefano")
            << "18/12/2026" << 1 << Unit::Weeks << "ven"
            << "" << 2 << true
            << QStringList{"lun 28/12/2026 09:30  (spostato da ven 25/12/2026, festivo: Natale)"} << 1
            << false;
        QTest::newRow("Monday to Saturday over Christmas, one visit a day")
            << "21/12/2026" << 1 << Unit::Weeks << "lun mar mer gio ven sab"
            << "" << 6 << true
            << QStringList{"mar 22/12/2026 09:30", "mer 23/12/2026 09:30", "gio 24/12/2026 09:30",
                           "lun 28/12/2026 09:30  (vale anche per ven 25/12/2026, festivo: Natale; vale "
                           "anche per "
                           "sab 26/12/2026, festivo: Santo Stefano)",
                           "mar 29/12/2026 09:30"}
            << 5 << false;
        QTest::newRow("two holidays moved onto the same day")
            << "18/12/2026" << 1 << Unit::Weeks << "ven sab"
            << "" << 4 << true
            << QStringList{"sab 19/12/2026 09:30",
                           "lun 28/12/2026 09:30  (spostato da ven 25/12/2026, "
                           "festivo: Natale; vale anche per "
                           "sab 26/12/2026, festivo: Santo Stefano)",
                           "sab 02/01/2027 09:30  (spostato da ven 01/01/2027, festivo: Capodanno)"}
            << 3 << false;
        QTest::newRow("a holiday moved past the end date is left out")
            << "18/12/2026" << 1 << Unit::Weeks << "ven"
            << "26/12/2026" << 0 << true << QStringList{} << 0 << false;
        QTest::newRow("every 2 days over new year, skipping")
            << "30/12/2025" << 2 << Unit::Days << ""
            << "" << 4 << true
            << QStringList{"ven 02/01/2026 09:30  (spostato da gio 01/01/2026, festivo: Capodanno)",
                           "sab 03/01/2026 09:30", "lun 05/01/2026 09:30"}
            << 3 << false;
        QTest::newRow("daily, the first visit on a holiday moved onto the next visited day")
            << "24/04/2025" << 1 << Unit::Days << ""
            << "" << 4 << true
            << QStringList{"sab 26/04/2025 09:30  (vale anche per ven 25/04/2025, festivo: Festa della "
                           "Liberazione)",
                           "dom 27/04/2025 09:30", "lun 28/04/2025 09:30"}
            << 3 << false;
        QTest::newRow("a monthly visit on a holiday, kept")
            << "08/11/2026" << 1 << Unit::Months << ""
            << "" << 2 << false << QStringList{"mar 08/12/2026 09:30  (festivo: Immacolata Concezione)"} << 1
            << false;
        QTest::newRow("end by date") << "06/01/2026" << 1 << Unit::Weeks << "mar"
                                     << "27/01/2026" << 0 << false
                                     << QStringList{"mar 13/01/2026 09:30", "mar 20/01/2026 09:30",
                                                    "mar 27/01/2026 09:30"}
                                     << 3 << false;
        QTest::newRow("the same end by count")
            << "06/01/2026" << 1 << Unit::Weeks << "mar"
            << "" << 4 << false
            << QStringList{"mar 13/01/2026 09:30", "mar 20/01/2026 09:30", "mar 27/01/2026 09:30"} << 3
            << false;
        QTest::newRow("an end date before the next visit")
            << "06/01/2026" << 1 << Unit::Weeks << "mar"
            << "12/01/2026" << 0 << false << QStringList{} << 0 << false;
        QTest::newRow("one visit in all: the card's own") << "06/01/2026" << 1 << Unit::Days << ""
                                                          << "" << 1 << false << QStringList{} << 0 << false;
        QTest::newRow("weeks with no day ticked") << "06/01/2026" << 1 << Unit::Weeks << ""
                                                  << "" << 10 << false << QStringList{} << 0 << false;
        QTest::newRow("500 visits in all")
            << "01/01/2026" << 1 << Unit::Days << ""
            << "" << 500 << false << QStringList{"ven 02/01/2026 09:30", "sab 03/01/2026 09:30"} << 499
            << false;
        QTest::newRow("an end date past 500 visits")
            << "01/01/2026" << 1 << Unit::Days << ""
            << "31/12/2030" << 0 << false << QStringList{"ven 02/01/2026 09:30"} << 499 << true;
        QTest::newRow("an end date giving exactly 500")
            << "01/01/2026" << 1 << Unit::Days << ""
            << "15/05/2027" << 0 << false << QStringList{"ven 02/01/2026 09:30"} << 499 << false;
    }
    void visits() {
        QFETCH(QString, first);
        QFETCH(int, every);
        QFETCH(Unit, unit);
        QFETCH(QString, days);
        QFETCH(QString, until);
        QFETCH(int, count);
        QFETCH(bool, skip);
        QFETCH(QStringList, lines);
        QFETCH(int, size);
        QFETCH(bool, cutShort);
        const Recurrence::Rule rule{.first = day(first.toLatin1()),
                                    .every = every,
                                    .unit = unit,
                                    .weekdays = weekdays(days),
                                    .until = until.isEmpty() ? QDate() : day(until.toLatin1()),
                                    .count = count,
                                    .skipHolidays = skip};
        bool cut = !cutShort;
        const QList<Recurrence::Visit> list = Recurrence::visits(rule, &cut);
        QCOMPARE(list.size(), size);
        QCOMPARE(cut, cutShort);
        QStringList shown;
        for (int i = 0; i < std::min(list.size(), lines.size()); ++i)
            shown << Recurrence::lineText(list.at(i), QStringLiteral("09:30"));
        QCOMPARE(shown, lines);
        // Regular dates always rise; a moved visit lands on a working day.
        for (int i = 1; i < list.size(); ++i)
            QVERIFY(list.at(i).regular > list.at(i - 1).regular);
        QSet<QDate> visited{rule.first};
        for (const Recurrence::Visit &v : list) {
            QVERIFY(!v.moved() || Holidays::isWorkingDay(v.date));
            QVERIFY2(!visited.contains(v.date), qPrintable(Formats::dateText(v.date))); // one visit a day
            visited.insert(v.date);
            QVERIFY(!rule.until.isValid() || v.date <= rule.until);
        }
    }

    // A long daily series ends on the day a calendar gives.
    void theLastOf500() {
        const QList<Recurrence::Visit> list =
            Recurrence::visits({.first = day("01/01/2026"), .unit = Unit::Days, .count = 500});
        QCOMPARE(list.last().date, day("15/05/2027"));
    }
};

QTEST_APPLESS_MAIN(TstRecurrence)
#include "tst_recurrence.moc"
