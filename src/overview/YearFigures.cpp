#include "overview/YearFigures.h"

#include "core/records/AppointmentState.h"
#include "core/records/Archives.h"
#include "core/text/Formats.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordScan.h"
#include "core/text/Amounts.h"

#include <QDir>
#include <QFileInfo>

MonthFigures &MonthFigures::operator+=(const MonthFigures &o) {
    services += o.services;
    cents += o.cents;
    fulfilled += o.fulfilled;
    overdue += o.overdue;
    pending += o.pending;
    hundredths += o.hundredths;
    return *this;
}

MonthFigures YearFigures::total() const {
    MonthFigures sum;
    for (const MonthFigures &m : months)
        sum += m;
    return sum;
}

MonthFigures &CompanyFigures::month(const QDate &d) { return m_years[d.year()].months[d.month() - 1]; }

QList<int> CompanyFigures::years(int current) const {
    QList<int> found{current};
    const QList<int> keys = m_years.keys();
    for (auto it = keys.crbegin(); it != keys.crend(); ++it)
        if (*it != current)
            found.append(*it);
    return found;
}

YearFigures CompanyFigures::year(int y) const { return m_years.value(y); }

namespace {

struct Source {
    QString path;
    qint64 size;
};

// The services files are those named after a client's record number; a copy
// beside them ("Servizi_Cliente_5 - Copia.pro") is no client's and is not read.
QList<Source> servicesFiles() {
    QList<Source> files;
    const QString pattern = Archives::servicesFilePattern();
    const int prefix = int(pattern.indexOf(QLatin1Char('*')));
    const int suffix = int(pattern.size()) - prefix - 1;
    const QFileInfoList found = QDir(ProgramFolder::path()).entryInfoList({pattern}, QDir::Files, QDir::Name);
    for (const QFileInfo &f : found) {
        const QString name = f.fileName();
        const QStringView number = QStringView(name).mid(prefix, name.size() - prefix - suffix);
        const bool digits = !number.isEmpty() &&
                            std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
        if (digits)
            files.append({f.filePath(), f.size()});
    }
    return files;
}

QList<Source> workFiles() {
    QList<Source> files;
    const QDir folder(ProgramFolder::file(Archives::worksFolderName()));
    for (const QFileInfo &f : folder.entryInfoList({Archives::worksFilePattern()}, QDir::Files, QDir::Name))
        files.append({f.filePath(), f.size()});
    return files;
}

// Reports progress a few hundred times over the whole reading, not per record.
class ProgressTicker {
public:
    ProgressTicker(const CompanyFigures::Progress &progress, qint64 total)
        : m_progress(progress), m_total(std::max<qint64>(total, 1)),
          m_step(std::max<qint64>(m_total / 400, 1)) {
        tell();
    }
    void add(qint64 bytes) {
        m_done += bytes;
        if (m_done >= m_next)
            tell();
    }
    void finish() {
        m_done = m_total;
        tell();
    }

private:
    void tell() {
        m_next = m_done + m_step;
        if (m_progress)
            m_progress(std::min(m_done, m_total), m_total);
    }
    const CompanyFigures::Progress &m_progress;
    qint64 m_total, m_step, m_done = 0, m_next = 0;
};

} // namespace

// One pass over every file, every year at once: picking another year on the
// screen reads nothing again. An entry counts where its date puts it; an
// amount or hours that cannot be read (the rules of the services total and of
// the hours summary) leaves the entry out of its year and is counted there,
// a date that cannot be read leaves it out of every year and is counted apart.
CompanyFigures CompanyFigures::read(const QDate &today, const Progress &progress) {
    CompanyFigures figures;
    const QList<Source> services = servicesFiles();
    const QList<Source> works = workFiles();
    const QFileInfo appointmentsFile(ProgramFolder::file(Archives::appointments().fileName()));
    qint64 total = appointmentsFile.isFile() ? appointmentsFile.size() : 0;
    // Something of the archive's name that is no file cannot be read: it is told.
    const bool hasAppointments = appointmentsFile.exists();
    for (const Source &s : services)
        total += s.size;
    for (const Source &s : works)
        total += s.size;
    ProgressTicker ticker(progress, total);

    auto scan = [&](const QString &path, const RecordLayout &layout, const auto &visit) {
        const bool whole = RecordScan::forEach(path, layout, [&](const char *record, qint64) {
            visit(record);
            ticker.add(layout.size());
            return true;
        });
        if (!whole)
            ++figures.m_unreadableFiles;
    };

    const RecordLayout &serviceLayout = Archives::services();
    const int serviceDate = serviceLayout.indexOf("Data"), serviceAmount = serviceLayout.indexOf("Importo");
    for (const Source &s : services)
        scan(s.path, serviceLayout, [&](const char *record) {
            const QString amountText = decodeField(serviceLayout, record, serviceAmount);
            if (amountText.isEmpty()) // no service, as on the services screen
                return;
            const QDate d = Formats::parseDate(fieldBytes(serviceLayout, record, serviceDate));
            if (!d.isValid()) {
                ++figures.m_undated;
                return;
            }
            bool ok = false;
            Amounts::read(amountText, &ok);
            if (!ok) {
                ++figures.m_years[d.year()].unreadable;
                return;
            }
            MonthFigures &m = figures.month(d);
            ++m.services;
            m.cents += Amounts::hundredths(amountText);
        });

    if (hasAppointments) {
        const RecordLayout &layout = Archives::appointments();
        const int date = layout.indexOf("Data");
        scan(appointmentsFile.filePath(), layout, [&](const char *record) {
            const QDate d = Formats::parseDate(fieldBytes(layout, record, date));
            if (!d.isValid()) {
                ++figures.m_undated;
                return;
            }
            MonthFigures &m = figures.month(d);
            switch (Appointments::state(Appointments::fulfilledFlag(record), d, today)) {
            case AppointmentState::Fulfilled:
                ++m.fulfilled;
                break;
            case AppointmentState::Overdue:
                ++m.overdue;
                break;
            case AppointmentState::ToFulfil:
                ++m.pending;
                break;
            }
        });
    }

    const RecordLayout &workLayout = Archives::works();
    const int workDate = workLayout.indexOf("Data"), workHours = workLayout.indexOf("TotOre");
    for (const Source &s : works)
        scan(s.path, workLayout, [&](const char *record) {
            const QDate d = Formats::parseDate(fieldBytes(workLayout, record, workDate));
            if (!d.isValid()) {
                ++figures.m_undated;
                return;
            }
            bool ok = false;
            const QString hoursText = decodeField(workLayout, record, workHours);
            Formats::parseDecimal(hoursText, &ok);
            if (!ok) {
                ++figures.m_years[d.year()].unreadable;
                return;
            }
            figures.month(d).hundredths += Amounts::hundredths(hoursText);
        });

    ticker.finish();
    return figures;
}
