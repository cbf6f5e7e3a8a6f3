#pragma once
// A tap-tempo keeper: the operator taps the beat and the keeper averages the
// intervals between taps into a tempo in beats per minute.

#include <array>
#include <cstdint>

class clsBpmTimer {
public:
    // The tapped tempo, whole beats per minute, never below 1.
    float myBpm() const { return bpm; }
    // Sets the tempo and fills the averaging ring with it.
    void resetBPM(float tempo);
    // One tap at nowMs (monotonic milliseconds). The first tap only marks the
    // time; every later one puts 60000 / (ms since the last tap) into the ring
    // of eight and the tempo becomes the whole part of the ring's mean.
    void beatPressed(int64_t nowMs);

private:
    static constexpr int ringSize = 8;
    std::array<float, ringSize> ring{};
    int filled = 0;     // slots holding a tempo
    int next = 0;       // slot the next tempo goes into
    bool tapped = false;
    int64_t lastTapMs = 0;
    float bpm = 1.0f;
};
