#pragma once
// Matrices patched through the shared arrays for the matrix tests, and a
// playback service that keeps the levels it is given.

#include "matrix/matrixPixels.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/playbackService.h"

#include <QString>
#include <map>
#include <tuple>

namespace matrixTest {

// A show of `universes` whole universes.
inline void makeShow(ChannelModel& m, int universes = 1) {
    m.resize(512 * universes);
    m.totalChannels = 512 * universes;
}

// An RGB pixel profile in slot `slot`: a dimmer, then red, green and blue.
inline void pixelProfile(ChannelModel& m, int slot = 1) {
    ClsFixture& p = m.lightClass(slot);
    p.taken = true;
    p.Name = QStringLiteral("Pixel");
    p.ChannelsUsed = 4;
    p.setRedChannel(2);
    p.setGreenChannel(3);
    p.setBlueChannel(4);
    m.lightClassCount = std::max(m.lightClassCount, slot);
}

// Patches a columns x rows matrix from channel `start`, pixels numbered
// left to right, top to bottom, four channels each. Answers the first fixture.
inline int32_t patchMatrix(ChannelModel& m, const QString& name, int32_t columns, int32_t rows, int32_t start = 1,
                           int slot = 1) {
    pixelProfile(m, slot);
    const int32_t first = m.fixtureCount + 1;
    for (int32_t n = 0; n < columns * rows; ++n) {
        const int32_t f = ++m.fixtureCount;
        m.fixtureStartChannel[size_t(f)] = int16_t(start + 4 * n);
        m.fixtureLightClass[size_t(f)] = int16_t(slot);
        m.fixtureMatrixMarker[f] = matrixPixels::marker;
        m.fixtureMatrixName[f] = name;
        m.fixtureMatrixColumn[size_t(f)] = n % columns + 1;
        m.fixtureMatrixRow[size_t(f)] = n / columns + 1;
    }
    return first;
}

// The playback facade as the matrix window uses it: levels by (channel, step).
struct RecordingPlayback : PlaybackService {
    std::map<std::pair<int32_t, int32_t>, int32_t> levels;
    std::vector<std::tuple<int32_t, int32_t, int32_t>> writes; // channel, step, value in call order
    int32_t steps = 0, currentStep = 0, fadedTo = 0, playbackWritten = 0;
    bool running = false;
    std::map<int32_t, QString> commands;

    bool recieveChaserValueData(int32_t channel, int32_t step, int32_t value, int32_t playback) override {
        playbackWritten = playback;
        levels[{channel, step}] = value;
        writes.emplace_back(channel, step, value);
        steps = std::max(steps, step);
        return true;
    }
    int32_t sendChaserValueFromPlayback(int32_t channel, int32_t step, int32_t) override {
        const auto it = levels.find({channel, step});
        return it == levels.end() ? 0 : it->second;
    }
    int32_t getMaxSteps(int32_t) const override { return steps; }
    void setMaxStepsValue(int32_t, int32_t n) override { steps = n; }
    void fadeFromCurrentOverride(int32_t, int32_t to, float) override { fadedTo = to; }
    bool getChaserFlag(int32_t) const override { return running; }
    void setCurrentStep(int32_t, int32_t s) override { currentStep = s; }
    void StepFoward(int32_t) override { ++currentStep; }
    int32_t returnCurrentStep(int32_t) const override { return currentStep; }
    void pressRecord(int32_t, bool) override { currentStep = ++steps; }
    void setSceneStringLong(int32_t, const QString& text, int32_t step) override { commands[step] = text; }
    void playLoadedSequence(int32_t, bool, bool, bool) override { running = true; }
};

} // namespace matrixTest
