#include "audio/audioEngine.h"

#include "platform/clock.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"

AudioEngine::AudioEngine() : detector(std::make_unique<BeatDetector>()) {
    if (hasShell()) shell().lend<AudioService>(*this);
}

AudioEngine::~AudioEngine() {
    if (hasShell()) shell().withdraw<AudioService>(*this);
}

int32_t AudioEngine::beatPressed(int32_t playbackNumber) {
    clsBpmTimer& keeper = bpmTimer(playbackNumber);
    keeper.beatPressed(shell().clock().monotonicMs());
    return keeper.myBpm();
}

void AudioEngine::resetBpmTimer(int32_t playbackNumber, int32_t bpm) { bpmTimer(playbackNumber).resetBPM(float(bpm)); }

BeatDetector& AudioEngine::beatDetect() {
    if (!detector->loaded()) detector->Form_Load();
    return *detector;
}

bool AudioEngine::listening() { return detector->deviceOpen() && detector->timer1().enabled(); }

void AudioEngine::showAudioTrigger() {
    if (window) window->show();
}

void AudioEngine::showAudioTriggerAt(int32_t leftTwips) {
    if (window) window->showAt(leftTwips);
}

void AudioEngine::hideAudioTrigger() {
    if (window) window->hide();
}
