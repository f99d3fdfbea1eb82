#include "backup/BackupReminder.h"

#include "backup/BackupSettings.h"
#include "core/records/Archives.h"
#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"

#include <QFileInfo>

namespace {

bool archivesHoldData() {
    for (const RecordLayout *layout :
         {&Archives::clients(), &Archives::employees(), &Archives::appointments(), &Archives::contracts()})
        if (QFileInfo(ProgramFolder::file(layout->fileName())).size() >= layout->size())
            return true;
    return false;
}

} // namespace

namespace BackupReminder {

QString question(const QDateTime &moment) {
    if (BackupSettings::lastReminder() == moment.date() || !archivesHoldData())
        return {};
    const QDateTime last = BackupSettings::last().made;
    if (!last.isValid())
        return QStringLiteral(
            "Non è ancora stata creata una copia di sicurezza degli archivi: crearne una adesso?");
    if (last.addDays(7) >= moment)
        return {};
    return QStringLiteral("L'ultima copia di sicurezza risale al %1: crearne una adesso?")
        .arg(Formats::dateText(last.date()));
}

bool ask(QWidget *parent) {
    const QDateTime now = Clock::now();
    const QString text = question(now);
    if (text.isEmpty())
        return false;
    BackupSettings::recordReminder(now.date());
    return Messages::confirm(parent, text);
}

} // namespace BackupReminder
