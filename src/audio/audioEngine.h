#pragma once
// The sound-to-light engine: the tap-tempo keepers of the playbacks (one per
// playback number, made on first use) and the beat detector of the audio
// trigger window, loaded on first use. It is the AudioService while it lives.

#include "audio/beatDetector.h"
#include "audio/clsBpmTimer.h"
#include "shell/services/audioService.h"

#include <map>
#include <memory>

// The audio trigger window as the engine opens it; the window library attaches it.
class AudioTriggerWindow {
public:
    virtual ~AudioTriggerWindow() = default;
    virtual void show() = 0;
    virtual bool visible() = 0;
    virtual void showAt(int32_t leftTwips) = 0;
    virtual void hide() = 0;
};

class AudioEngine final : public AudioService {
public:
    AudioEngine();
    ~AudioEngine() override;
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    bool hasTempoKeeper() override { return true; }
    int32_t beatPressed(int32_t playbackNumber) override;
    void resetBpmTimer(int32_t playbackNumber, int32_t bpm) override;
    // The keeper of a playback, made on first use.
    clsBpmTimer& bpmTimer(int32_t playbackNumber) { return keepers[playbackNumber]; }

    // The beat detector, its settings loaded on first use.
    BeatDetector& beatDetect();
    double beatDetectorBpm() override { return beatDetect().getBpm(); }
    void tapTempo() override { beatDetect().cmdBPM_Click(); }
    void stopBeatEmulation() override { beatDetect().ButtonPlus1_Click(); }
    void startForMatrix() override { beatDetect().startForMatrix(); }
    bool listening() override;
    const std::vector<float>& spectrum() override { return detector->spectrum(); }
    int32_t sensitivity() override { return beatDetect().sensitivity; }
    int32_t sensitivityMaximum() override { return 1000; }

    void attachWindow(std::unique_ptr<AudioTriggerWindow> w) { window = std::move(w); }
    void showAudioTrigger() override;
    bool audioTriggerVisible() override { return window && window->visible(); }
    void showAudioTriggerAt(int32_t leftTwips) override;
    void hideAudioTrigger() override;

private:
    std::map<int32_t, clsBpmTimer> keepers;
    std::unique_ptr<BeatDetector> detector;
    std::unique_ptr<AudioTriggerWindow> window;
};
