#pragma once
// The sound-to-light engine as far as it is built: the tap-tempo keepers of
// the playbacks (one per playback number, made on first use). It is the
// AudioService while it lives. There is no beat detector yet: its tempo
// answers 0 ("none").

#include "audio/clsBpmTimer.h"
#include "shell/services/audioService.h"

#include <map>

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

private:
    std::map<int32_t, clsBpmTimer> keepers;
};
