#pragma once
// The company's figures month by month, read from every archive at once: the
// services billed (every client's services file), the appointments by state
// and the hours worked (every employee's work register). Plain data, no
// screen: the overview shows, prints and exports what this gives.
// Its screen: overview/Andamento.
#include <QDate>
#include <QList>
#include <QMap>

#include <array>
#include <functional>

// Amounts in cents and hours in hundredths: each entry is rounded once, half
// up, as it is read, and then only added, so the months add up to the year's
// total to the cent whatever decimals were typed outside the program.
struct MonthFigures {
    int services = 0;      // services billed in the month
    qint64 cents = 0;      // their amounts
    // The appointments by their state (core/records/AppointmentState):
    int fulfilled = 0;     // marked fulfilled ("Sì")
    int overdue = 0;       // not fulfilled, dated before today
    int pending = 0;       // the others: to fulfil
    qint64 hundredths = 0; // hours of the activities of the month, in hundredths

    int appointments() const { return fulfilled + overdue + pending; }
    // For the charts' scales, which draw with floating point.
    double amount() const { return double(cents) / 100; }
    double hours() const { return double(hundredths) / 100; }
    MonthFigures &operator+=(const MonthFigures &other);
};

struct YearFigures {
    std::array<MonthFigures, 12> months{}; // January first
    // Entries dated in this year whose amount or hours cannot be read.
    int unreadable = 0;

    MonthFigures total() const;
};

class CompanyFigures {
public:
    // Called now and then while reading, with the bytes read so far and the
    // bytes of every file to read.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // Reads the archives of the program folder once, with today as the line
    // between overdue and pending appointments. Reads only: a missing archive
    // is no entry and is not created.
    static CompanyFigures read(const QDate &today, const Progress &progress = {});

    // The years found in the data, the current one first (also without data),
    // then the others from the most recent.
    QList<int> years(int current) const;
    // An empty year when nothing is dated in it.
    YearFigures year(int y) const;
    // Entries whose date cannot be read: they belong to no year and are left
    // out of every one.
    int undated() const { return m_undated; }
    // What the figures of year y leave out: its entries whose amount or hours
    // cannot be read, and every entry whose date cannot be read.
    int leftOut(int y) const { return year(y).unreadable + m_undated; }
    // Files that exist but could not be read to their end.
    int unreadableFiles() const { return m_unreadableFiles; }

private:
    MonthFigures &month(const QDate &d);

    QMap<int, YearFigures> m_years;
    int m_undated = 0;
    int m_unreadableFiles = 0;
};
