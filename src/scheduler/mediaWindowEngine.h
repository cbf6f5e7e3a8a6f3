#pragma once
// The engine of the media window (frmMediaPlayer): two media players used
// in turn, so one file follows another without a gap. A new file opens in
// the hidden player while the shown one plays on; once it is open and
// playing it takes the screen and the other stops. Audio files minimise the
// window and put their name in its caption; video shows it.

#include "scheduler/scheduleEngine.h"

#include <QString>
#include <array>
#include <memory>

class MediaPlayer;

class MediaWindowView {
public:
    virtual ~MediaWindowView() = default;
    virtual void mediaWindowChanged() = 0;
};

class MediaWindowEngine final : public ScheduleMedia {
public:
    MediaWindowEngine();
    ~MediaWindowEngine() override;
    MediaWindowEngine(const MediaWindowEngine&) = delete;
    MediaWindowEngine& operator=(const MediaWindowEngine&) = delete;

    void attach(MediaWindowView* v) { view = v; }
    void detach(MediaWindowView* v) {
        if (view == v) view = nullptr;
    }

    MediaPlayer* player(int n) override;
    void load() override { loaded = true; }
    void show() override;
    void unload() override;

    // Plays a file for a sequence; nothing when the file does not exist.
    void setFileName(const QString& fileName, const QString& theSequence);
    // The video of a released sequence (its base name) stops.
    void checkIfINeedToStopVideo(const QString& sequenceName);
    void clkCloseWindow_Click();

    bool loaded = false;
    bool visible = false;
    bool minimised = false;
    bool fullScreen = false;
    bool showingVideo = false;
    QString caption;
    std::array<bool, 2> playerShown{};
    std::array<QString, 2> playerSequence;

private:
    void openStateChange(int n, int state);
    void playStateChange(int n, int state);
    void changed();
    MediaWindowView* view = nullptr;
    bool opening = false;
    std::array<std::unique_ptr<MediaPlayer>, 2> players;
};
