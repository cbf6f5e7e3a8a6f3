#pragma once
// Media players a test drives: loading, playing and seeking take effect at
// once; the test moves the position and ends the media; every call is noted.

#include "platform/mediaPlayer.h"

#include <QStringList>

class FakeMediaPlayer final : public MediaPlayer {
public:
    QString url() const override { return path; }
    void setUrl(const QString& p) override {
        path = p;
        position = 0;
        calls << QStringLiteral("url ") + p;
        if (p.isEmpty()) setState(undefined);
    }
    int playState() const override { return state; }
    void play() override {
        calls << QStringLiteral("play");
        if (path.isEmpty()) return;
        setState(playing);
        if (onOpenStateChange) onOpenStateChange(mediaOpen);
    }
    void pause() override {
        calls << QStringLiteral("pause");
        if (state == playing) setState(paused);
    }
    void stop() override {
        calls << QStringLiteral("stop");
        position = 0;
        if (!path.isEmpty()) setState(stopped);
    }
    double currentPosition() const override { return position; }
    void setCurrentPosition(double s) override { position = s; }
    double duration() const override { return length; }
    void setPlayCount(int count) override { playCount = count; }
    void setVideoOutput(QObject* o) override { output = o; }

    // The media played to its end.
    void end() { setState(mediaEnded); }
    void setState(int s) {
        if (s == state) return;
        state = s;
        if (onPlayStateChange) onPlayStateChange(s);
    }

    QString path;
    int state = undefined;
    double position = 0;
    double length = 0;
    int playCount = 999;
    QObject* output = nullptr;
    QStringList calls;
};

class FakeMediaPlayerFactory final : public MediaPlayerFactory {
public:
    std::unique_ptr<MediaPlayer> create() override {
        auto p = std::make_unique<FakeMediaPlayer>();
        made.push_back(p.get());
        return p;
    }
    std::vector<FakeMediaPlayer*> made;
};
