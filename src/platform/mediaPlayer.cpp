#include "platform/mediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

// QMediaPlayer and its sound output behind the media player layer.
class QtMediaPlayer final : public MediaPlayer {
public:
    QtMediaPlayer() {
        player.setAudioOutput(&output);
        output.setVolume(0.5f);
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &player, [this](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia) {
                if (onOpenStateChange) onOpenStateChange(mediaOpen);
            } else if (s == QMediaPlayer::EndOfMedia) {
                ended = true;
                if (onPlayStateChange) onPlayStateChange(mediaEnded);
            }
        });
        QObject::connect(&player, &QMediaPlayer::playbackStateChanged, &player, [this](QMediaPlayer::PlaybackState) {
            if (player.playbackState() == QMediaPlayer::PlayingState) ended = false;
            if (onPlayStateChange) onPlayStateChange(playState());
        });
    }
    QString url() const override { return path; }
    void setUrl(const QString& p) override {
        path = p;
        ended = false;
        player.setSource(p.isEmpty() ? QUrl() : QUrl::fromLocalFile(QFileInfo(p).absoluteFilePath()));
    }
    int playState() const override {
        if (ended) return mediaEnded;
        switch (player.playbackState()) {
        case QMediaPlayer::PlayingState: return playing;
        case QMediaPlayer::PausedState: return paused;
        default: return path.isEmpty() ? undefined : stopped;
        }
    }
    void play() override { player.play(); }
    void pause() override { player.pause(); }
    void stop() override { player.stop(); }
    double currentPosition() const override { return double(player.position()) / 1000.0; }
    void setCurrentPosition(double seconds) override { player.setPosition(qint64(seconds * 1000.0)); }
    double duration() const override { return double(player.duration()) / 1000.0; }
    void setPlayCount(int count) override { player.setLoops(count < 1 ? 1 : count); }
    void setVideoOutput(QObject* o) override { player.setVideoOutput(o); }

private:
    QMediaPlayer player;
    QAudioOutput output;
    QString path;
    bool ended = false;
};

} // namespace

std::unique_ptr<MediaPlayer> QtMediaPlayerFactory::create() { return std::make_unique<QtMediaPlayer>(); }
