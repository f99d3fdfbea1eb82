#pragma once
// The real alarm player: Qt Multimedia with the platform's default backend.
// The media objects are created at the first sound, so a run that never
// plays one never starts the multimedia backend.
#include "core/platform/Alarm.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

class MediaAlarmPlayer : public QObject, public AlarmPlayer {
    Q_OBJECT
public:
    explicit MediaAlarmPlayer(QObject *parent = nullptr);
    void play(const QString &path) override;
    void stop() override;
    // The player, once a sound has been asked for (for checks).
    QMediaPlayer *mediaPlayer() const { return m_player; }

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    bool m_playWhenLoaded = false;
};
