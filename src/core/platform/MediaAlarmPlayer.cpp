#include "core/platform/MediaAlarmPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

MediaAlarmPlayer::MediaAlarmPlayer(QObject *parent) : QObject(parent) {}

void MediaAlarmPlayer::play(const QString &path) {
    if (!QFileInfo(path).isFile())
        return; // no sound, no message
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::LoadedMedia && m_playWhenLoaded) {
                m_playWhenLoaded = false;
                m_player->play();
            }
        });
        // An unplayable file or a missing audio device is silent.
        connect(m_player, &QMediaPlayer::errorOccurred, this, [this]() { m_playWhenLoaded = false; });
    }
    m_player->stop();
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_player->source() == url) {
        // The same file again (the agenda shown once more): play what is
        // loaded, wait for a load under way, reload a file that failed.
        switch (m_player->mediaStatus()) {
        case QMediaPlayer::LoadingMedia:
            m_playWhenLoaded = true;
            return;
        case QMediaPlayer::NoMedia:
        case QMediaPlayer::InvalidMedia:
            m_player->setSource(QUrl());
            break;
        default:
            m_player->play();
            return;
        }
    }
    m_playWhenLoaded = true;
    m_player->setSource(url);
}

void MediaAlarmPlayer::stop() {
    m_playWhenLoaded = false;
    if (m_player && !m_player->source().isEmpty())
        m_player->stop();
}
