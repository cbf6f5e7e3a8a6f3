#pragma once
// What the effect generators and fog control offer the others. The base is
// "no effects": no fog window, the FX tool idle.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class EffectsService {
public:
    virtual ~EffectsService() = default;

    // The fog window's per-channel list follows the channel count (1..totalNumber).
    virtual void redimFoggers(int32_t totalNumber) {}
    // True while the FX tool drags its shape's centre or resizes its shape.
    virtual bool shapeGeneratorBusy() { return false; }
    // Rescales a fixture's pan/tilt movement in playback n's sequence.
    virtual void scaleSequence(int32_t playbackNumber, int32_t fixture) {}
    // Whether the fog window can be opened, and opens it.
    virtual bool hasFogWindow() { return false; }
    virtual void showFogControl() {}
};

#pragma GCC diagnostic pop
