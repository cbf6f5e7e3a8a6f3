#pragma once
// What sound-to-light offers the others: the tap-tempo keepers of the
// playbacks, the beat detector (its tempo, its taps, its beat emulation),
// the capture that feeds the sound-driven matrices and the audio trigger
// window. The base is "no audio": no tempo keeper, no detected tempo, no
// capture, no window.

#include <QString>
#include <cstdint>
#include <vector>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class AudioService {
public:
    virtual ~AudioService() = default;

    // Whether there are tap-tempo keepers.
    virtual bool hasTempoKeeper() { return false; }
    // One beat tap of a playback's tempo keeper; answers the averaged tempo.
    virtual int32_t beatPressed(int32_t playbackNumber) { return 1; }
    // The beat detector's present tempo in beats per minute; 0 when none.
    virtual double beatDetectorBpm() { return 0.0; }
    // Resets a playback's tempo keeper to a tempo.
    virtual void resetBpmTimer(int32_t playbackNumber, int32_t bpm) {}

    // ---- The beat detector ----
    // One tap of the tap tempo (the BPM button, the console's End key, the
    // pages' Tap button): capture stops and beats are emulated at the tapped tempo.
    virtual void tapTempo() {}
    // Switches beat emulation off ("Stop Beat"; a new show, the sequence wizard).
    virtual void stopBeatEmulation() {}
    // Starts audio capture unless it already runs (a playback starts sound to matrix).
    virtual void startForMatrix() {}
    // Whether audio capture runs.
    virtual bool listening() { return false; }
    // The newest spectrum: 1,025 magnitudes (bin k is k x 11025 / 1024 Hz, the
    // last always 0); empty when nothing was captured.
    virtual const std::vector<float>& spectrum() { return noSpectrum; }
    // The level sensitivity slider, its value and its maximum (sound to matrix scales by them).
    virtual int32_t sensitivity() { return 200; }
    virtual int32_t sensitivityMaximum() { return 1000; }

    // ---- The audio trigger window ----
    // Shows the audio trigger window (BeatDetect) above the others.
    virtual void showAudioTrigger() {}
    // Whether it is shown; shows it with its left edge at leftTwips, or hides it
    // (the pages' "Trigger Settings" button).
    virtual bool audioTriggerVisible() { return false; }
    virtual void showAudioTriggerAt(int32_t leftTwips) {}
    virtual void hideAudioTrigger() {}

private:
    std::vector<float> noSpectrum;
};

#pragma GCC diagnostic pop
