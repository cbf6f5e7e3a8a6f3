#include "audio/clsBpmTimer.h"

void clsBpmTimer::beatPressed(int64_t nowMs) {
    if (tapped && lastTapTime < nowMs) {
        tapIndex = (tapIndex + 1) % ringSize;
        tapRing[size_t(tapIndex)] = float(60000.0 / double(nowMs - lastTapTime));
        float sum = 0;
        for (int i = 0; i < ringSize; ++i) sum += tapRing[size_t(i)];
        const float mean = std::nearbyint(sum / float(ringSize));
        bpm = mean == 0.0f ? 1.0f : mean;
    }
    tapped = true;
    lastTapTime = nowMs;
}

void clsBpmTimer::resetBPM(float theBpm) {
    bpm = std::nearbyint(theBpm);
    tapRing.fill(theBpm);
}
