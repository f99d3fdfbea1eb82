// The real alarm player with the sound the installation ships: it plays once
// when asked and stops; a missing or broken file is silent.
#include "TestEnv.h"
#include "core/platform/Alarm.h"
#include "core/platform/MediaAlarmPlayer.h"

#include <QDir>
#include <QMediaPlayer>
#include <QTest>

namespace {
QString shippedSound() {
    // QT_TESTCASE_SOURCEDIR (set by Qt's Test package) is the tests folder.
    return QDir(QStringLiteral(QT_TESTCASE_SOURCEDIR)).filePath(QStringLiteral("../install/Avviso.mp3"));
}
} // namespace

class TstAlarm : public QObject {
    Q_OBJECT
private slots:
    void shippedSoundPlaysAndStops() {
        QVERIFY2(QFile::exists(shippedSound()), qPrintable(shippedSound()));
        MediaAlarmPlayer player;
        player.play(shippedSound());
        QVERIFY(player.mediaPlayer());
        QMediaPlayer *media = player.mediaPlayer();
        // Loaded, then played (without an audio device it still runs to its end).
        QTRY_VERIFY_WITH_TIMEOUT(media->playbackState() == QMediaPlayer::PlayingState ||
                                     media->mediaStatus() == QMediaPlayer::EndOfMedia,
                                 10000);
        QCOMPARE(media->error(), QMediaPlayer::NoError);
        player.stop();
        QCOMPARE(media->playbackState(), QMediaPlayer::StoppedState);
        // Asked again (the agenda shown once more), it plays again.
        player.play(shippedSound());
        QTRY_VERIFY_WITH_TIMEOUT(media->playbackState() == QMediaPlayer::PlayingState ||
                                     media->mediaStatus() == QMediaPlayer::EndOfMedia,
                                 10000);
        player.stop();
    }

    void missingFileIsSilent() {
        TempProgramFolder folder;
        MediaAlarmPlayer player;
        player.play(folder.file(QStringLiteral("Avviso.mp3")));
        QCOMPARE(player.mediaPlayer(), nullptr); // nothing was even loaded
        player.stop();
    }

    void brokenFileIsSilent() {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Avviso.mp3"), QByteArray(4096, 'x'));
        MediaAlarmPlayer player;
        player.play(folder.file(QStringLiteral("Avviso.mp3")));
        QMediaPlayer *media = player.mediaPlayer();
        QVERIFY(media);
        QTRY_VERIFY_WITH_TIMEOUT(media->mediaStatus() == QMediaPlayer::InvalidMedia ||
                                     media->error() != QMediaPlayer::NoError,
                                 10000);
        QVERIFY(media->playbackState() != QMediaPlayer::PlayingState);
        player.stop();
    }

    void testsCanReplaceThePlayer() {
        RecordingAlarm recording;
        Alarm::player().play(QStringLiteral("x.mp3"));
        Alarm::player().stop();
        QCOMPARE(recording.calls, QStringList({QStringLiteral("play x.mp3"), QStringLiteral("stop")}));
    }
};

QTEST_MAIN(TstAlarm)
#include "tst_alarm.moc"
