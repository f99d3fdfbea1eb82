#include "core/platform/Alarm.h"

#include "core/platform/MediaAlarmPlayer.h"

#include <QCoreApplication>
#include <QPointer>

namespace Alarm {
namespace {
AlarmPlayer *&replacement() {
    static AlarmPlayer *p = nullptr;
    return p;
}
} // namespace

AlarmPlayer &player() {
    if (replacement())
        return *replacement();
    // Owned by the application, so the media objects go before the backend does.
    static QPointer<MediaAlarmPlayer> real;
    if (!real)
        real = new MediaAlarmPlayer(QCoreApplication::instance());
    return *real;
}

void setPlayer(AlarmPlayer *player) { replacement() = player; }

} // namespace Alarm
