#include "playback/playbackState.h"

#include <algorithm>
#include <stdexcept>

void StepLevels::resize(int32_t channels, int32_t lastStep) {
    channels = std::max(channels, 0);
    const int32_t slotCount = std::max(lastStep + 1, 0);
    if (channels == channelCount) {
        cells.resize(size_t(slotCount) * rowWidth(), 0);
        stepSlots = slotCount;
        return;
    }
    std::vector<int32_t> grown(size_t(slotCount) * (size_t(channels) + 1), 0);
    const int32_t keepSteps = std::min(slotCount, stepSlots);
    const int32_t keepChannels = std::min(channels, channelCount);
    for (int32_t s = 0; s < keepSteps; ++s)
        std::copy_n(cells.begin() + ptrdiff_t(size_t(s) * rowWidth()), size_t(keepChannels) + 1,
                    grown.begin() + ptrdiff_t(size_t(s) * (size_t(channels) + 1)));
    cells.swap(grown);
    channelCount = channels;
    stepSlots = slotCount;
}

int32_t& StepLevels::at(int32_t channel, int32_t step) {
    if (!contains(channel, step)) throw std::out_of_range("Subscript out of range");
    return (*this)(channel, step);
}

int32_t StepLevels::at(int32_t channel, int32_t step) const {
    if (!contains(channel, step)) throw std::out_of_range("Subscript out of range");
    return (*this)(channel, step);
}

void StepLevels::fillZero() { std::fill(cells.begin(), cells.end(), 0); }

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
