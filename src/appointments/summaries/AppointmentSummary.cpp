#include "appointments/summaries/AppointmentSummary.h"

#include "appointments/summaries/AppointmentLine.h"
#include "core/records/Archives.h"

AppointmentSummary::AppointmentSummary(QWidget *parent, const QString &caption, const QString &picture,
                                       const QString &title, Selection selection)
    : SummaryScreen(parent,
                    SummarySpec{.caption = caption,
                                .bannerTitle = picture,
                                .layout = &Archives::appointments(),
                                .line = AppointmentLine::format(),
                                .order = LineOrder::File,
                                .reportTitle = title,
                                .doubleClickHint = QStringLiteral(
                                    "Fare doppio clic su una voce in elenco per richiamare la scheda")}),
      m_selection(std::move(selection)) {}

bool AppointmentSummary::selects(const char *record) const { return m_selection(*setup().layout, record); }

namespace {
// Read on the bytes ("Sì" is "S\xEC" in Windows-1252): a summary asks this of
// every record of the archive.
QByteArrayView flag(const RecordLayout &layout, const char *record) {
    static const int field = Archives::appointments().indexOf("Ottemperata");
    return fieldBytes(layout, record, field);
}
} // namespace

bool appointmentFulfilled(const RecordLayout &layout, const char *record) {
    return flag(layout, record) == QByteArrayView("S\xEC");
}

bool appointmentPending(const RecordLayout &layout, const char *record) {
    return flag(layout, record) == QByteArrayView("No");
}
