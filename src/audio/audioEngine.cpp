#include "audio/audioEngine.h"

#include "platform/clock.h"
#include "shell/shell.h"

AudioEngine::AudioEngine() {
    if (hasShell()) shell().lend<AudioService>(*this);
}

AudioEngine::~AudioEngine() {
    if (hasShell()) shell().withdraw<AudioService>(*this);
}

int32_t AudioEngine::beatPressed(int32_t playbackNumber) {
    clsBpmTimer& keeper = bpmTimer(playbackNumber);
    keeper.beatPressed(shell().clock().monotonicMs());
    return int32_t(keeper.myBpm());
}

void AudioEngine::resetBpmTimer(int32_t playbackNumber, int32_t bpm) { bpmTimer(playbackNumber).resetBPM(float(bpm)); }
