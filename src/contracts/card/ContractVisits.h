#pragma once
// The visits of a contract as a repeated appointment: the appointment made
// from the contract's client, number, activities, date and hours, and the
// repetition of its service frequency, for a year.
// Its screen: contracts/card/Contratto (cmdPianifica).
#include "appointments/repetition/Recurrence.h"
#include "core/records/RecordLayout.h"

#include <QDate>
#include <QStringList>
#include <QTime>

namespace ContractVisits {

struct Contract {
    QString number, date, client, phone, hours, frequency;
    QStringList included; // the activities included
};

// The first "hh:mm" (or "h.mm") of the hours of service, else 09:00.
QTime firstTime(const QString &hours);
// An appointment record of Archivio_Appuntamenti.pro; a date that is not one is today.
Record appointment(const Contract &contract, const QDate &today);
// "Giornaliera" Monday to Saturday, "Settimanale" every week on the first
// visit's day, "Bisettimanale" Monday and Thursday, "Mensile" every month;
// up to a year after the first visit.
Recurrence::Rule repetition(const QString &frequency, const QDate &first);

} // namespace ContractVisits
