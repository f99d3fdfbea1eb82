#pragma once
// The texts the backup's screens share: what stopped a copy or a restore, and
// sizes and moments as the screens write them.
#include "backup/engine/BackupOutcome.h"

#include <QDateTime>
#include <QString>

namespace BackupMessages {

QString failureText(const Backup::Outcome &outcome);
QString megabytes(qint64 bytes);             // "12,3 MB"
QString momentText(const QDateTime &moment); // "10/12/2026 09:30"
// "Il ripristino non è stato eseguito: i dati attuali sono rimasti invariati."
QString nothingChanged();

} // namespace BackupMessages
