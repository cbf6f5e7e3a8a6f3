#pragma once
// A playback's tap-tempo keeper: the operator taps the beat and the keeper
// averages the last eight tapped tempos into beats per minute. Slots not yet
// replaced by taps keep the tempo they were seeded with (120, or the tempo of
// the last reset), so the tempo moves an eighth of the way per tapped interval.

#include <array>
#include <cmath>
#include <cstdint>

class clsBpmTimer {
public:
    clsBpmTimer() { tapRing.fill(120.0f); }

    // The tempo rounded to a whole number (halves to even, as the stored
    // single-precision value is rounded); 1 after creation.
    int32_t myBpm() const { return int32_t(std::lrint(bpm)); }
    void setMyBpm(int32_t value) { bpm = float(value); }
    // Kept for the playback; nothing else reads it.
    int32_t myFadeTime() const { return fadeTime; }
    void setMyFadeTime(int32_t value) { fadeTime = value; }

    // One tap at nowMs (monotonic milliseconds). The first tap only marks the
    // time; a later one puts 60000 / (ms since the last tap) into the next
    // slot of the ring of eight and the tempo becomes the ring's mean, rounded
    // (0 becomes 1). A tap in the same millisecond stores nothing.
    void beatPressed(int64_t nowMs);
    // Sets the tempo (rounded) and fills every slot with it; the last tap's
    // time is kept, so the next tap still measures from it.
    void resetBPM(float theBpm);

private:
    static constexpr int ringSize = 8;
    std::array<float, 17> tapRing{}; // 0..7 the ring; the rest are only filled
    int tapIndex = 0;                // slot written last
    bool tapped = false;
    int64_t lastTapTime = 0;
    float bpm = 1.0f;
    int32_t fadeTime = 0;
};
