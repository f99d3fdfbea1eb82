#pragma once
// The three status summaries of the appointments: one family that differs
// only in its selection, caption, picture and printed title. The selections
// read the state and the fulfilled flag of core/records/AppointmentState.
#include "ui/lists/SummaryScreen.h"

#include <QDate>

class AppointmentSummary : public SummaryScreen {
    Q_OBJECT
public:
    // Whether an appointment record belongs in the list, today being today.
    using Selection = bool (*)(const char *record, const QDate &today);
    AppointmentSummary(QWidget *parent, const QString &caption, const QString &picture, const QString &title,
                       Selection selection);

protected:
    bool selects(const char *record) const override;
    void refresh() override;

private:
    Selection m_selection;
    QDate m_today; // read once per list: the selection runs for every record
};
