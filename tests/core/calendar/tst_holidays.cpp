// The Italian public holidays and the working days after them, on dates
// checked against a calendar.
#include "core/calendar/Holidays.h"

#include <QTest>

namespace {

QDate day(const char *text) {
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

} // namespace

class TstHolidays : public QObject {
    Q_OBJECT
private slots:
    void easterMonday_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("monday");
        QTest::newRow("2024") << 2024 << "01/04/2024";
        QTest::newRow("2025") << 2025 << "21/04/2025";
        QTest::newRow("2026") << 2026 << "06/04/2026";
        QTest::newRow("2027") << 2027 << "29/03/2027";
        QTest::newRow("2028") << 2028 << "17/04/2028";
        QTest::newRow("2029") << 2029 << "02/04/2029";
        QTest::newRow("2030") << 2030 << "22/04/2030";
        QTest::newRow("2038, the latest") << 2038 << "26/04/2038";
        QTest::newRow("2285, the earliest") << 2285 << "23/03/2285";
    }
    void easterMonday() {
        QFETCH(int, year);
        QFETCH(QString, monday);
        const QDate expected = day(monday.toLatin1());
        QCOMPARE(Holidays::easterSunday(year).addDays(1), expected);
        QCOMPARE(Holidays::name(expected), QStringLiteral("Lunedì dell'Angelo"));
        QVERIFY(Holidays::name(expected.addDays(7)).isEmpty());
        QVERIFY(!Holidays::isWorkingDay(expected));
    }

    void holidays_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("nextWorkingDay");
        QTest::newRow("new year") << "01/01/2026"
                                  << "Capodanno"
                                  << "02/01/2026";
        QTest::newRow("epiphany") << "06/01/2026"
                                  << "Epifania"
                                  << "07/01/2026";
        QTest::newRow("liberation, a Friday") << "25/04/2025"
                                              << "Festa della Liberazione"
                                              << "26/04/2025";
        QTest::newRow("labour day") << "01/05/2026"
                                    << "Festa del Lavoro"
                                    << "02/05/2026";
        QTest::newRow("republic day") << "02/06/2027"
                                      << "Festa della Repubblica"
                                      << "03/06/2027";
        QTest::newRow("mid-August, a Saturday") << "15/08/2026"
                                                << "Ferragosto"
                                                << "17/08/2026";
        QTest::newRow("all saints") << "01/11/2026"
                                    << "Ognissanti"
                                    << "02/11/2026";
        QTest::newRow("immaculate conception") << "08/12/2026"
                                               << "Immacolata Concezione"
                                               << "09/12/2026";
        QTest::newRow("christmas, then santo stefano on Saturday") << "25/12/2026"
                                                                   << "Natale"
                                                                   << "28/12/2026";
        QTest::newRow("santo stefano") << "26/12/2025"
                                       << "Santo Stefano"
                                       << "27/12/2025";
        QTest::newRow("an ordinary Saturday") << "03/01/2026"
                                              << ""
                                              << "05/01/2026";
        QTest::newRow("easter sunday is no holiday of the list") << "05/04/2026"
                                                                 << ""
                                                                 << "07/04/2026";
        QTest::newRow("2 November") << "02/11/2026"
                                    << ""
                                    << "03/11/2026";
    }
    void holidays() {
        QFETCH(QString, date);
        QFETCH(QString, name);
        QFETCH(QString, nextWorkingDay);
        QCOMPARE(Holidays::name(day(date.toLatin1())), name);
        QCOMPARE(Holidays::nextWorkingDay(day(date.toLatin1())), day(nextWorkingDay.toLatin1()));
    }
};

QTEST_APPLESS_MAIN(TstHolidays)
#include "tst_holidays.moc"
