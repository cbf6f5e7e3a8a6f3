#pragma once
// What sound-to-light offers the others: the tap-tempo keepers of the
// playbacks and the beat detector. The base is "no audio": no tempo keeper,
// no detected tempo.

#include <QString>
#include <cstdint>

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

    // ---- Windows opened from the main window ----
    // Shows the audio trigger window (BeatDetect) above the others.
    virtual void showAudioTrigger() {}

    // One tap of the tap tempo (the console's End key).
    virtual void tapTempo() {}

    // ---- Sound to matrix ----
    // The sensitivity slider of the audio trigger window: its maximum and value.
    virtual int32_t sensitivityMaximum() { return 1000; }
    virtual int32_t sensitivityValue() { return 200; }
    // Starts audio capture for the matrices unless it already runs.
    virtual void startForMatrix() {}
};

#pragma GCC diagnostic pop
