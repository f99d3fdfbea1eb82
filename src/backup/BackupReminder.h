#pragma once
// The reminder after a login: when the archives hold data and the last backup
// copy is more than seven days old (or there is none), at most once a day.
#include <QDateTime>
#include <QString>

class QWidget;

namespace BackupReminder {

// The question due at moment, or an empty text when none is.
QString question(const QDateTime &moment);
// Asks it when due (the day is noted first, so it is asked once) and tells
// whether the user answered Sì.
bool ask(QWidget *parent);

} // namespace BackupReminder
