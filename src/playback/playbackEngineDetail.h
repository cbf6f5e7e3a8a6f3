#pragma once
// Small helpers shared by the source files of the playback engine.

#include "playback/playbackState.h"
#include "shell/shell.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace playbackEngineDetail {

inline ChannelModel& model() { return shell().state; }

inline const QString noneType = QStringLiteral("none");

inline bool isNone(const ChannelModel& m, int32_t c) { return m.channelType.at(c) == noneType; }

// Next Scene as used for choosing a step: a value outside 1..stepCount means
// "next in order" (the stored value is kept as it is).
inline int32_t usableNextScene(const PlaybackState& st, int32_t step) {
    if (step < 0 || step >= int32_t(st.nextScenes.size())) throw std::out_of_range("Subscript out of range");
    const int32_t ns = st.nextScenes[size_t(step)];
    return (ns >= 1 && ns <= st.stepCount) ? ns : 0;
}

// A time box's or grid cell's text as a number; false when it is not one.
inline bool boxNumber(const QString& text, double& value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

// A time as the main window's boxes show it: shortest form, no trailing zeros.
inline QString generalNumber(float seconds) { return QString::number(double(seconds), 'g', 7); }

// One tick of a delay phase: the counter (and its progress slider) moves on
// while the delay lasts; true once it is over.
inline bool countDelay(float ticks, int32_t& count, int32_t& progress) {
    if (ticks > float(count)) {
        ++count;
        progress = count;
        return false;
    }
    return true;
}

// The four phase counters (delays and fades, up and down) all set to one value.
inline void setPhaseCounts(PlaybackState& st, int32_t count) {
    st.fadeUpCount = st.fadeDownCount = st.delayUpCount = st.delayDownCount = count;
}

// The step fades with the times set for fading from the live output.
inline void useFadeFromCurrentTimes(PlaybackState& st, int32_t step) {
    st.fadeUpTimes[size_t(step)] = st.fadeFromCurrentFadeUpTime;
    st.fadeDownTimes[size_t(step)] = st.fadeFromCurrentFadeDownTime;
}

} // namespace playbackEngineDetail
