#pragma once
// The three status summaries of the appointments: one family that differs
// only in its selection, caption, picture and printed title.
#include "ui/lists/SummaryScreen.h"

#include <functional>

class AppointmentSummary : public SummaryScreen {
    Q_OBJECT
public:
    using Selection = std::function<bool(const RecordLayout &, const char *record)>;
    AppointmentSummary(QWidget *parent, const QString &caption, const QString &picture, const QString &title,
                       Selection selection);

protected:
    bool selects(const char *record) const override;

private:
    Selection m_selection;
};

// "No" / "Sì" in the fulfilled flag (trimmed).
bool appointmentFulfilled(const RecordLayout &layout, const char *record);
bool appointmentPending(const RecordLayout &layout, const char *record);
