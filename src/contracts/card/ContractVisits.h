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
    QString number, date, client, vat, taxCode, phone, hours, frequency;
    QStringList included; // the activities included
};

// The first "hh:mm" (or "h.mm") of the hours of service, else 09:00.
QTime firstTime(const QString &hours);
// The mobile on the client's card in Contatti.pro: the client found by VAT
// number, else by tax code, else by name (a–z case aside); of several cards,
// the last one. Empty when no card is found; the archive is only read.
QString clientMobile(const Contract &contract);
// The first visit: the contract's date, never before today (a contract
// signed months ago starts its visits now), moved off a Sunday or a holiday
// to the next working day.
QDate firstVisit(const Contract &contract, const QDate &today);
// An appointment record of Archivio_Appuntamenti.pro on the first visit,
// with the mobile of the client's card.
Record appointment(const Contract &contract, const QDate &today);
// "Giornaliera" Monday to Saturday, "Settimanale" every week on the first
// visit's day, "Bisettimanale" Monday and Thursday, "Mensile" every month;
// up to a year after the first visit, holidays skipped.
Recurrence::Rule repetition(const QString &frequency, const QDate &first);

} // namespace ContractVisits
