#include "audio/clsBpmTimer.h"

#include <cmath>

void clsBpmTimer::resetBPM(float tempo) {
    ring.fill(tempo);
    filled = ringSize;
    next = 0;
    bpm = tempo;
}

void clsBpmTimer::beatPressed(int64_t nowMs) {
    if (!tapped) {
        tapped = true;
        lastTapMs = nowMs;
        return;
    }
    const int64_t interval = nowMs - lastTapMs;
    lastTapMs = nowMs;
    // Two taps within the same millisecond (or a clock that went back) give
    // no interval to average.
    if (interval <= 0) return;
    ring[size_t(next)] = float(60000.0 / double(interval));
    next = (next + 1) % ringSize;
    if (filled < ringSize) ++filled;
    double sum = 0;
    for (int i = 0; i < filled; ++i) sum += double(ring[size_t(i)]);
    const float mean = float(std::trunc(sum / filled));
    bpm = mean < 1.0f ? 1.0f : mean;
}
