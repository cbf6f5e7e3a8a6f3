#include "playback/playbackState.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace {

// The width a level needs: 1, 2 or 4 bytes.
uint8_t widthFor(int32_t level) {
    if (uint32_t(level) <= 255u) return 1;
    return uint32_t(level) <= 65535u ? 2 : 4;
}

} // namespace

void StepLevels::resize(int32_t channels, int32_t lastStep) {
    channels = std::max(channels, 0);
    const size_t slotCount = size_t(std::max(lastStep + 1, 0));
    const size_t cells = size_t(channels) + 1;
    if (channels != channelCount) {
        const size_t keep = std::min(slotCount, steps.size());
        for (size_t i = 0; i < keep; ++i) {
            Step& s = steps[i];
            s.narrow.resize(s.width == 1 ? cells : 0, Byte{});
            s.mid.resize(s.width == 2 ? cells : 0, 0);
            s.wide.resize(s.width == 4 ? cells : 0, 0);
            // Levels of the channels that went may have been the wide ones.
            if (channels < channelCount && s.width != 1) recount(s);
        }
        channelCount = channels;
    }
    const size_t before = steps.size();
    steps.resize(slotCount);
    for (size_t i = before; i < slotCount; ++i) steps[i].narrow.assign(cells, Byte{});
}

StepLevels::Cell StepLevels::at(int32_t channel, int32_t step) {
    if (!contains(channel, step)) throw std::out_of_range("Subscript out of range");
    return (*this)(channel, step);
}

int32_t StepLevels::at(int32_t channel, int32_t step) const {
    if (!contains(channel, step)) throw std::out_of_range("Subscript out of range");
    return (*this)(channel, step);
}

void StepLevels::copyStep(int32_t from, int32_t to) {
    if (from == to) return;
    Step& target = steps[size_t(to)];
    const Step& source = steps[size_t(from)];
    if (target.width == source.width) {
        target = source; // reuses the target's array
    } else {
        // A copy assigned over the target would leave its old array allocated.
        Step copy = source;
        target = std::move(copy);
    }
}

void StepLevels::fillZero() {
    for (Step& s : steps) {
        s = Step{};
        s.narrow.assign(size_t(channelCount) + 1, Byte{});
    }
}

void StepLevels::setOutsideByte(Step& s, int32_t channel, int32_t level) {
    const size_t cells = size_t(channelCount) + 1;
    const int32_t old = Row(s)[channel];
    s.beyondByte += int32_t(widthFor(level) > 1) - int32_t(widthFor(old) > 1);
    s.beyondMid += int32_t(widthFor(level) > 2) - int32_t(widthFor(old) > 2);
    const uint8_t needed = s.beyondMid > 0 ? 4 : s.beyondByte > 0 ? 2 : 1;
    if (needed > s.width) relayout(s, needed, cells);
    switch (s.width) {
    case 1: s.narrow[size_t(channel)] = Byte(level); break;
    case 2: s.mid[size_t(channel)] = uint16_t(level); break;
    default: s.wide[size_t(channel)] = level; break;
    }
    if (needed < s.width) relayout(s, needed, cells);
}

void StepLevels::relayout(Step& s, uint8_t width, size_t cells) {
    if (width == s.width) return;
    auto moveInto = [&](auto& target) {
        target.resize(cells);
        const Row levels(s);
        using Level = typename std::remove_reference_t<decltype(target)>::value_type;
        for (size_t c = 0; c < cells; ++c) target[c] = Level(levels[int32_t(c)]);
    };
    if (width == 1) moveInto(s.narrow);
    else if (width == 2) moveInto(s.mid);
    else moveInto(s.wide);
    // Only the array in use keeps its memory.
    if (width != 1) std::vector<Byte>().swap(s.narrow);
    if (width != 2) std::vector<uint16_t>().swap(s.mid);
    if (width != 4) std::vector<int32_t>().swap(s.wide);
    s.width = width;
}

void StepLevels::recount(Step& s) {
    const Row levels(s);
    const int32_t cells = int32_t(s.width == 2 ? s.mid.size() : s.wide.size());
    s.beyondByte = s.beyondMid = 0;
    for (int32_t c = 0; c < cells; ++c) {
        const uint8_t w = widthFor(levels[c]);
        s.beyondByte += int32_t(w > 1);
        s.beyondMid += int32_t(w > 2);
    }
    relayout(s, s.beyondMid > 0 ? 4 : s.beyondByte > 0 ? 2 : 1, size_t(cells));
}

void PlaybackState::resize(int32_t channels, int32_t lastStep) {
    const size_t steps = size_t(std::max(lastStep + 1, 0));
    for (auto* v : {&fadeUpTimes, &fadeDownTimes, &delayUpTimes, &delayDownTimes, &followTimes, &sequenceFadeUpTimes,
                    &sequenceFadeDownTimes, &sceneFadeTimes})
        v->resize(steps, 0.0f);
    stepStops.resize(steps, 0);
    nextScenes.resize(steps, 0);
    sceneNames.resize(qsizetype(steps));
    stepCommands.resize(qsizetype(steps));
    stepValues.resize(channels, lastStep);

    const size_t ch = size_t(std::max(channels, 0)) + 1;
    currentLevels.resize(ch, 0.0f);
    fadeUpSteps.resize(ch, 0.0f);
    fadeDownSteps.resize(ch, 0.0f);
    fadeOutChannels.resize(ch, 0);
    sequenceChannels.resize(ch, 0);
    savedStepValues.resize(ch, 0);
    heldBeforeBlackout.resize(ch, 0);
}
