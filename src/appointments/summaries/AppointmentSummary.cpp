#include "appointments/summaries/AppointmentSummary.h"

#include "appointments/summaries/AppointmentLine.h"
#include "core/platform/Clock.h"
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
      m_selection(selection) {}

bool AppointmentSummary::selects(const char *record) const { return m_selection(record, m_today); }

void AppointmentSummary::refresh() {
    m_today = Clock::today();
    SummaryScreen::refresh();
}
