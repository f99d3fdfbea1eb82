#include "appointments/planning/PlanningWeek.h"

#include "core/records/AppointmentState.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"
#include "core/records/RecordScan.h"
#include "core/text/TextRules.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Planning {
namespace {

struct Fields {
    int data, ore, minuti, ora, tipologia, causale, contatto, tel, cel, dettagli, note;
};

const Fields &fields() {
    static const Fields f = [] {
        const RecordLayout &l = Archives::appointments();
        return Fields{l.indexOf("Data"),      l.indexOf("Ore"),      l.indexOf("Minuti"),   l.indexOf("Ora"),
                      l.indexOf("Tipologia"), l.indexOf("Causale"),  l.indexOf("Contatto"), l.indexOf("Tel"),
                      l.indexOf("Cel"),       l.indexOf("Dettagli"), l.indexOf("Note")};
    }();
    return f;
}

QByteArrayView bytes(const char *record, int field) {
    return fieldBytes(Archives::appointments(), record, field);
}

// Two digits from lowest to highest, or -1.
int twoDigits(QByteArrayView b, int highest) {
    if (b.size() != 2 || b[0] < '0' || b[0] > '9' || b[1] < '0' || b[1] > '9')
        return -1;
    const int v = (b[0] - '0') * 10 + (b[1] - '0');
    return v <= highest ? v : -1;
}

// The time from the hours and minutes, or else from the stored time text.
int minuteOf(const char *record) {
    int h = twoDigits(bytes(record, fields().ore), 23), m = twoDigits(bytes(record, fields().minuti), 59);
    if (h < 0 || m < 0) {
        const QByteArrayView ora = bytes(record, fields().ora);
        if (ora.size() != 5 || ora[2] != ':')
            return -1;
        h = twoDigits(ora.first(2), 23);
        m = twoDigits(ora.sliced(3), 59);
        if (h < 0 || m < 0)
            return -1;
    }
    return h * 60 + m;
}

QString text(const char *record, int field) { return decodeField(Archives::appointments(), record, field); }

// The names of the archive's operators, once each, in the order the lists sort.
class OperatorNames {
public:
    void see(QByteArrayView name) {
        if (name.isEmpty() || m_exact.contains(QByteArray::fromRawData(name.data(), name.size())))
            return;
        m_exact.insert(name.toByteArray());
        const QByteArray folded = Text::foldedAZ(name); // a-z case aside
        if (m_folded.contains(folded))
            return;
        m_folded.insert(folded);
        m_names.append(name.toByteArray());
    }
    QStringList sorted() const {
        QList<QByteArray> names = m_names;
        std::stable_sort(names.begin(), names.end(),
                         [](const QByteArray &a, const QByteArray &b) { return Text::lessNoCaseAZ(a, b); });
        QStringList out;
        for (const QByteArray &n : std::as_const(names))
            out << Text::fromCp1252(n);
        return out;
    }

private:
    QSet<QByteArray> m_exact, m_folded;
    QList<QByteArray> m_names;
};

Appointment appointmentOf(const char *record, qint64 number, const QDate &date, const QDate &today) {
    Appointment a;
    a.number = number;
    a.date = date;
    a.minute = minuteOf(record);
    a.time = a.minute >= 0 ? QStringLiteral("%1:%2")
                                 .arg(a.minute / 60, 2, 10, QLatin1Char('0'))
                                 .arg(a.minute % 60, 2, 10, QLatin1Char('0'))
                           : text(record, fields().ora);
    a.client = text(record, fields().contatto);
    a.services = text(record, fields().causale);
    a.operatorName = text(record, fields().tipologia);
    a.phone = text(record, fields().tel);
    a.mobile = text(record, fields().cel);
    a.details = text(record, fields().dettagli);
    a.notes = text(record, fields().note);
    a.state = Appointments::state(Appointments::fulfilledFlag(record), date, today);
    return a;
}

// Side by side: each block takes the leftmost lane free at its start; a group
// of blocks that overlap one another, directly or through others, shares the
// number of lanes its busiest moment needs.
void placeInLanes(QList<Block> &day) {
    std::stable_sort(day.begin(), day.end(),
                     [](const Block &a, const Block &b) { return a.offset < b.offset; });
    QList<int> laneEnds;
    qsizetype groupStart = 0;
    int groupEnd = 0;
    const auto closeGroup = [&](qsizetype end) {
        for (qsizetype i = groupStart; i < end; ++i)
            day[i].lanes = int(laneEnds.size());
        laneEnds.clear();
        groupStart = end;
        groupEnd = 0;
    };
    for (qsizetype i = 0; i < day.size(); ++i) {
        Block &b = day[i];
        if (!laneEnds.isEmpty() && b.offset >= groupEnd)
            closeGroup(i);
        int lane = 0;
        while (lane < laneEnds.size() && laneEnds[lane] > b.offset)
            ++lane;
        if (lane == laneEnds.size())
            laneEnds.append(0);
        laneEnds[lane] = b.offset + blockMinutes;
        b.lane = lane;
        groupEnd = std::max(groupEnd, b.offset + blockMinutes);
    }
    closeGroup(day.size());
}

} // namespace

QDate Week::mondayOf(const QDate &day) { return day.addDays(1 - day.dayOfWeek()); }

Week Week::read(const QString &path, const QDate &day, const QDate &today) {
    Week week;
    week.m_monday = mondayOf(day);
    const qint64 first = week.m_monday.toJulianDay(), last = first + 6;
    OperatorNames names;
    week.m_readWhole =
        RecordScan::forEach(path, Archives::appointments(), [&](const char *record, qint64 number) {
            names.see(bytes(record, fields().tipologia));
            const QDate date = Formats::parseDate(bytes(record, fields().data));
            const qint64 jd = date.isValid() ? date.toJulianDay() : -1;
            if (jd >= first && jd <= last)
                week.m_appointments.append(appointmentOf(record, number, date, today));
            return true;
        });
    week.m_operators = names.sorted();
    return week;
}

QList<Block> Week::blocks(const QString &operatorName) const {
    const QString wanted = Text::trim(operatorName);
    QList<Block> days[7];
    QList<Block> strips;
    for (int i = 0; i < m_appointments.size(); ++i) {
        const Appointment &a = m_appointments.at(i);
        if (!wanted.isEmpty() && Text::compareNoCaseAZ(a.operatorName, wanted) != 0)
            continue;
        Block b;
        b.appointment = i;
        b.day = int(m_monday.daysTo(a.date));
        if (a.minute < 0 || a.minute < firstHour * 60) {
            b.place = Place::Early;
        } else if (a.minute >= lastHour * 60) {
            b.place = Place::Late;
        } else {
            b.offset = a.minute - firstHour * 60;
            b.row = b.offset / rowMinutes;
            days[b.day].append(b);
            continue;
        }
        strips.append(b);
    }
    // Strips in time order (no time first), each day and strip counted apart.
    std::stable_sort(strips.begin(), strips.end(), [this](const Block &x, const Block &y) {
        return m_appointments.at(x.appointment).minute < m_appointments.at(y.appointment).minute;
    });
    int next[7][2] = {};
    for (Block &b : strips)
        b.line = next[b.day][b.place == Place::Late]++;
    QList<Block> out;
    for (QList<Block> &day : days) {
        placeInLanes(day);
        out += day;
    }
    return out + strips;
}

int stripLines(const QList<Block> &blocks, Place place) {
    int most = 0;
    for (const Block &b : blocks)
        if (b.place == place)
            most = std::max(most, b.line + 1);
    return most;
}

} // namespace Planning
