#include "backup/BackupSettings.h"

#include "backup/engine/BackupSelection.h"
#include "core/text/Formats.h"
#include "core/settings/IniFile.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>

namespace {
const QString kSection = QStringLiteral("Salvataggio");
const QString kMoment = QStringLiteral("dd/MM/yyyy HH:mm");

IniFile settings() { return IniFile(ProgramFolder::file(BackupSelection::settingsFileName())); }
} // namespace

namespace BackupSettings {

LastCopy last() {
    const IniFile ini = settings();
    LastCopy c;
    c.made = QDateTime::fromString(ini.read(kSection, QStringLiteral("Ultima")), kMoment);
    c.folder = ini.read(kSection, QStringLiteral("Cartella"));
    c.file = ini.read(kSection, QStringLiteral("File"));
    bool ok = false;
    c.size = ini.read(kSection, QStringLiteral("Dimensione")).toLongLong(&ok);
    if (!ok)
        c.size = -1;
    return c;
}

bool recordCopy(const QDateTime &made, const QString &folder, const QString &file, qint64 size) {
    IniFile ini = settings();
    // Every key is written even after a failure, so a later success is whole.
    bool ok = ini.write(kSection, QStringLiteral("Cartella"), QDir::toNativeSeparators(folder));
    ok = ini.write(kSection, QStringLiteral("Ultima"), made.toString(kMoment)) && ok;
    ok = ini.write(kSection, QStringLiteral("File"), file) && ok;
    ok = ini.write(kSection, QStringLiteral("Dimensione"), QString::number(size)) && ok;
    return ok;
}

QDate lastReminder() { return Formats::parseDate(settings().read(kSection, QStringLiteral("Promemoria"))); }

bool recordReminder(const QDate &day) {
    IniFile ini = settings();
    return ini.write(kSection, QStringLiteral("Promemoria"), Formats::dateText(day));
}

} // namespace BackupSettings
