#pragma once
// Media players: one loaded file each, played, paused, stopped and sought,
// with the states and notifications the media window and the schedule rely
// on. The Linux implementation is Qt Multimedia's QMediaPlayer with a
// QAudioOutput; the window gives it its picture surface. Tests use a fake.

#include <QString>
#include <functional>
#include <memory>

class QObject;

class MediaPlayer {
public:
    // Play states as the callers compare them.
    enum PlayState : int { undefined = 0, stopped = 1, paused = 2, playing = 3, mediaEnded = 8, ready = 10 };
    // The open state that says the loaded media is open.
    static constexpr int mediaOpen = 13;

    virtual ~MediaPlayer() = default;
    // The path last loaded; loading the empty text unloads.
    virtual QString url() const = 0;
    virtual void setUrl(const QString& path) = 0;
    virtual int playState() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Position and length of the loaded media in seconds; writing the position seeks.
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double seconds) = 0;
    virtual double duration() const = 0;
    // How many times the file plays before it stops.
    virtual void setPlayCount(int count) = 0;
    // Where the picture goes (a video widget of the window); null for none.
    virtual void setVideoOutput(QObject* output) = 0;

    // Called on the user-interface thread when the open or play state changes.
    std::function<void(int)> onOpenStateChange;
    std::function<void(int)> onPlayStateChange;
};

class MediaPlayerFactory {
public:
    virtual ~MediaPlayerFactory() = default;
    virtual std::unique_ptr<MediaPlayer> create() = 0;
};

// QMediaPlayer with a QAudioOutput, on the user-interface thread.
class QtMediaPlayerFactory final : public MediaPlayerFactory {
public:
    std::unique_ptr<MediaPlayer> create() override;
};
