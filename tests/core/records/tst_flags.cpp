// The yes/no flags as every list reads them, and the appointment state built
// on the fulfilled flag: one table of stored flags, damaged ones included.
#include "core/records/AppointmentState.h"
#include "core/records/Archives.h"
#include "core/records/Flags.h"

#include <QTest>

using Flags::YesNo;

Q_DECLARE_METATYPE(Flags::YesNo)
Q_DECLARE_METATYPE(AppointmentState)

namespace {

const QDate kToday(2024, 3, 15);

// An appointment dated `date` whose flag field holds exactly `stored`: the
// length byte and the two bytes of the field, as a file may hold them.
QByteArray appointment(const QString &date, const QByteArray &stored) {
    Record r(Archives::appointments());
    r.set("Data", date);
    const int flag = Archives::appointments().indexOf("Ottemperata");
    r.bytes().replace(Archives::appointments().offset(flag), stored.size(), stored);
    return r.bytes();
}

} // namespace

class TstFlags : public QObject {
    Q_OBJECT
private slots:
    void storedFlags_data() {
        QTest::addColumn<QByteArray>("stored"); // length byte, then the field's two bytes
        QTest::addColumn<YesNo>("flag");
        QTest::addColumn<AppointmentState>("yesterday"); // the state dated the day before today
        QTest::addColumn<AppointmentState>("today");
        using S = AppointmentState;
        QTest::newRow("Sì") << QByteArray("\x02S\xEC", 3) << YesNo::Yes << S::Fulfilled << S::Fulfilled;
        QTest::newRow("No") << QByteArray("\x02No", 3) << YesNo::No << S::Overdue << S::ToFulfil;
        QTest::newRow("length past the width")
            << QByteArray("\xFFNo", 3) << YesNo::No << S::Overdue << S::ToFulfil;
        QTest::newRow("blank before")
            << QByteArray("\x02 N", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("blank after") << QByteArray("\x02S ", 3) << YesNo::Neither << S::ToFulfil
                                     << S::ToFulfil;
        QTest::newRow("sì") << QByteArray("\x02s\xEC", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("SÌ") << QByteArray("\x02S\xCC", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("SI") << QByteArray("\x02SI", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("NO") << QByteArray("\x02NO", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("no") << QByteArray("\x02no", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        // "Sì" written as UTF-8 (53 C3 AC): three bytes, read to the width.
        QTest::newRow("UTF-8 Sì") << QByteArray("\x03S\xC3", 3) << YesNo::Neither << S::ToFulfil
                                  << S::ToFulfil;
        QTest::newRow("empty") << QByteArray("\x00\x00\x00", 3) << YesNo::Neither << S::ToFulfil
                               << S::ToFulfil;
        QTest::newRow("control bytes")
            << QByteArray("\x02\x01\x00", 3) << YesNo::Neither << S::ToFulfil << S::ToFulfil;
        QTest::newRow("garbage") << QByteArray("\x02\xFF?", 3) << YesNo::Neither << S::ToFulfil
                                 << S::ToFulfil;
    }
    void storedFlags() {
        QFETCH(QByteArray, stored);
        QFETCH(YesNo, flag);
        QFETCH(AppointmentState, yesterday);
        QFETCH(AppointmentState, today);
        const RecordLayout &layout = Archives::appointments();
        const int field = layout.indexOf("Ottemperata");
        const QByteArray past = appointment(QStringLiteral("14/03/2024"), stored);
        const QByteArray present = appointment(QStringLiteral("15/03/2024"), stored);

        QCOMPARE(Flags::read(fieldBytes(layout, past.constData(), field)), flag);
        // A screen that reads the decoded value (the card's print) reads the same.
        QCOMPARE(Flags::read(decodeField(layout, past.constData(), field)), flag);
        QCOMPARE(Appointments::fulfilledFlag(past.constData()), flag);

        QCOMPARE(Appointments::state(past.constData(), kToday), yesterday);
        QCOMPARE(Appointments::state(present.constData(), kToday), today);
        QCOMPARE(Appointments::state(flag, kToday.addDays(-1), kToday), yesterday);
        QCOMPARE(Appointments::state(flag, kToday, kToday), today);
    }

    // Only the flag "No" with a date before today is overdue: a later date, or
    // one that cannot be read, leaves it to fulfil.
    void overdueNeedsAReadableEarlierDate_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<AppointmentState>("state");
        QTest::newRow("last year") << "20/05/2023" << AppointmentState::Overdue;
        QTest::newRow("one digit day") << "1/3/2024" << AppointmentState::Overdue;
        QTest::newRow("tomorrow") << "16/03/2024" << AppointmentState::ToFulfil;
        QTest::newRow("no such day") << "31/02/2024" << AppointmentState::ToFulfil;
        QTest::newRow("empty") << "" << AppointmentState::ToFulfil;
        QTest::newRow("text") << "ieri" << AppointmentState::ToFulfil;
    }
    void overdueNeedsAReadableEarlierDate() {
        QFETCH(QString, date);
        QFETCH(AppointmentState, state);
        QCOMPARE(Appointments::state(appointment(date, QByteArray("\x02No", 3)).constData(), kToday), state);
    }

    // The decoded value as a card or a report holds it: trimmed first.
    void decodedValues_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<YesNo>("flag");
        QTest::newRow("Sì") << QStringLiteral("S\u00EC") << YesNo::Yes;
        QTest::newRow("Sì and blanks") << QStringLiteral("  S\u00EC \t") << YesNo::Yes;
        QTest::newRow("No and a blank") << QStringLiteral("No ") << YesNo::No;
        QTest::newRow("sì") << QStringLiteral("s\u00EC") << YesNo::Neither;
        QTest::newRow("UTF-8 read as Windows-1252") << QStringLiteral("S\u00C3\u00AC") << YesNo::Neither;
        QTest::newRow("Si") << QStringLiteral("Si") << YesNo::Neither;
        QTest::newRow("empty") << QString() << YesNo::Neither;
    }
    void decodedValues() {
        QFETCH(QString, value);
        QFETCH(YesNo, flag);
        QCOMPARE(Flags::read(value), flag);
    }
};

QTEST_GUILESS_MAIN(TstFlags)
#include "tst_flags.moc"
