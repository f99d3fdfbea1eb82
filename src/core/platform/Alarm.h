#pragma once
// The alarm sound of the agenda goes through here, so tests can record what
// would be played instead of playing it. The real player plays a sound file
// once, silently doing nothing when the file is missing, cannot be played or
// there is no audio device.
#include <QString>

class AlarmPlayer {
public:
    virtual ~AlarmPlayer() = default;
    // Loads the file and plays it once as soon as it is loaded.
    virtual void play(const QString &path) = 0;
    // Stops a sound that is playing (nothing when none is loaded).
    virtual void stop() = 0;
};

namespace Alarm {

AlarmPlayer &player();
// Replaces the player (nullptr restores the real one).
void setPlayer(AlarmPlayer *player);

} // namespace Alarm
