// The playback engine, step editing: copy, paste, insert and delete steps,
// values across the steps.

#include "playback/playbackEngine.h"

#include "playback/playbackEngineDetail.h"

#include "profiles/ClsFixture.h"
#include "platform/prompts.h"
#include "playback/channelClaim.h"
#include "playback/sequenceFileIo.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

using namespace playbackEngineDetail;

// ---- Step editing ---------------------------------------------------------------------------

void PlaybackEngine::markAltered() {
    if (state.theSequenceFilename.isEmpty()) return;
    state.alteredPlayback = true;
    state.livePlaybackName = libParsePath::ParsePath(state.theSequenceFilename, 4);
}

void PlaybackEngine::clkCopyScene_Click() {
    ChannelModel& m = sizedModel();
    const int32_t s = state.currentStep;
    if (s < 0 || s > state.lastStepSlot() || int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) return;
    const StepLevels::Row levels = state.stepValues.row(s);
    for (int32_t c = 1; c <= m.totalChannels; ++c) m.sceneClipboard[size_t(c)] = levels[c];
    shell().playback().sceneCopied(state.myPlaybackNumber, s);
}

void PlaybackEngine::clkPasteScene_Click() {
    PlaybackState& st = state;
    try {
        ChannelModel& m = sizedModel();
        if (st.currentStep < 1) st.currentStep = 1;
        if (st.currentStep > st.stepCount) st.stepCount = st.currentStep;
        ensureStepSlot(st.currentStep);
        if (int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) throw std::out_of_range("Subscript out of range");
        const int16_t me = ownNumber();
        bool wrote = false;
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (!channelModel::checkPriorities(c)) continue;
            m.channelTouched[size_t(c)] = 0;
            m.channelOwner[size_t(c)] = me;
            st.sequenceChannels[size_t(c)] = 1;
            st.stepValues.set(c, st.currentStep, m.sceneClipboard[size_t(c)]);
            wrote = true;
        }
        if (wrote) markAltered();
        shell().playback().pasteCopiedFadeTimes(st.myPlaybackNumber);
        st.currentStep = std::max(st.currentStep - 1, 0);
        cmdFoward_Click();
    } catch (const std::exception& e) {
        reportError(QStringLiteral("Error Pasting Scene: ") + QString::fromUtf8(e.what()));
    }
}

void PlaybackEngine::insertscene(bool after, bool blackOut) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    // With no step current the new step goes before step 1 (rather than
    // moving the steps up and stopping half done).
    int32_t at = std::max(st.currentStep, 1) + (after ? 1 : 0);
    at = std::min(at, st.stepCount + 1);
    // Refused before anything changes when the clipboard is not sized yet.
    if (int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) return;
    st.stepCount += 1;
    ensureStepSlot(st.stepCount + 6);
    const int32_t source = std::min(st.currentStep, st.lastStepSlot());
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        const QString& type = m.channelType.at(c);
        if (type == noneType) continue;
        if (!blackOut) {
            m.sceneClipboard[size_t(c)] = roundHalfEven(st.currentLevels[size_t(c)]);
        } else {
            const bool colourOrDimmer = type.startsWith(QLatin1String("red")) || type.startsWith(QLatin1String("blue")) ||
                                        type.startsWith(QLatin1String("green")) || type == QLatin1String("dimmer");
            m.sceneClipboard[size_t(c)] = colourOrDimmer ? 0 : st.stepValues(c, std::max(source, 0));
        }
    }
    for (int32_t s = st.stepCount; s >= at; --s) {
        st.stepValues.copyStep(s - 1, s);
        st.copyStepTimes(s - 1, s);
        st.sceneNames[s] = st.sceneNames[s - 1];
        st.stepCommands[s] = st.stepCommands[s - 1];
        st.nextScenes[size_t(s)] = st.nextScenes[size_t(s - 1)];
        shell().presets().changeMyStepNumber(s - 1, s);
    }
    st.currentStep = at;
    clkPasteScene_Click();
}

void PlaybackEngine::clkDeleteScene_Click() {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    const int32_t cur = st.currentStep;
    if (cur < 1 || cur > st.stepCount || st.stepCount > st.lastStepSlot()) return;
    shell().presets().removeEventIfInCurrentStep(cur, false);
    const int16_t me = ownNumber();
    for (int32_t s = cur; s <= st.stepCount - 1; ++s) {
        st.stepValues.copyStep(s + 1, s);
        for (int32_t c = 1; c <= m.totalChannels; ++c)
            if (m.channelOwner[size_t(c)] == me) st.stepValues.set(c, s + 1, 0);
        st.copyStepTimes(s + 1, s);
        shell().presets().changeMyStepNumber(s + 1, s);
    }
    st.stepCount -= 1;
    view().displaySequenceData();
    cmdBack_Click();
}

// ---- Single stored values -------------------------------------------------------------------

int32_t PlaybackEngine::getChaserValueTotal(int32_t channel, int32_t chaser) const {
    if (chaser != state.myPlaybackNumber) return 0;
    if (channel < 1 || channel > state.stepValues.channels() || state.stepCount > state.stepValues.lastStep()) return 100;
    int64_t total = 0;
    for (int32_t s = 1; s <= state.stepCount; ++s) total += state.stepValues(channel, s);
    return (total > INT32_MAX || total < INT32_MIN) ? 100 : int32_t(total);
}

void PlaybackEngine::adjustChaserValuesInRealTime(int32_t theChannel, int32_t /*theValue*/) {
    PlaybackState& st = state;
    if (st.recordPlusLast) return;
    ChannelModel& m = sizedModel();
    if (theChannel < 1 || theChannel > m.totalChannels) {
        reportError(QStringLiteral("Error in AdjustAllValues:") + QStringLiteral("Subscript out of range"));
        return;
    }
    const int32_t v = std::clamp(m.channelOutput[size_t(theChannel)], -32768, 32767);
    const int16_t owner = m.channelOwner[size_t(theChannel)];
    if (st.isRunning) {
        const int32_t last = std::min(st.stepCount, st.lastStepSlot());
        if (owner == ownNumber() || owner == 0) {
            for (int32_t s = 1; s <= last; ++s) st.stepValues(theChannel, s) = v;
            st.currentLevels[size_t(theChannel)] = float(v);
        }
    } else {
        st.currentLevels[size_t(theChannel)] = float(v);
    }
    markAltered();
}

void PlaybackEngine::movementMoveChannel(int32_t channel, int32_t increment) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    if (channel < 1 || channel > m.totalChannels) throw std::out_of_range("Subscript out of range");
    if (st.isRunning) {
        const int32_t last = std::min(st.stepCount, st.lastStepSlot());
        for (int32_t s = 1; s <= last; ++s) {
            const int32_t n = std::clamp(st.stepValues(channel, s) + increment, 0, 255);
            st.stepValues(channel, s) = n;
            if (s == st.currentStep) st.currentLevels[size_t(channel)] = float(n);
        }
    }
    st.fadeUpTicks = st.fadeDownTicks = 1000000.0f;
    st.fadeUpCount = st.fadeDownCount = 0;
    calculateStepFadeValues();
    markAltered();
}

PlaybackEngine::MovementRange PlaybackEngine::getMovementRange(int32_t fixture) const {
    const ChannelModel& m = model();
    if (fixture < 1 || size_t(fixture) >= m.fixturePanChannel.size()) throw std::out_of_range("Subscript out of range");
    const int32_t last = std::min(state.stepCount, state.stepValues.lastStep());
    auto range = [&](int32_t channel, int16_t& max, int16_t& min, int16_t& centre, int16_t& span) {
        max = 0;
        min = 255;
        if (channel >= 1 && channel <= state.stepValues.channels()) {
            for (int32_t s = 1; s <= last; ++s) {
                const int32_t v = state.stepValues(channel, s);
                if (v > max) max = int16_t(std::min(v, 32767));
                if (v < min) min = int16_t(std::max(v, -32768));
            }
        }
        if (min == 255) min = 0;
        centre = int16_t(roundHalfEven(double(max - min) / 2.0 + double(min)));
        span = int16_t(max - min);
    };
    MovementRange r;
    range(m.fixturePanChannel[size_t(fixture)], r.panMax, r.panMin, r.panCenter, r.panSpan);
    range(m.fixtureTiltChannel[size_t(fixture)], r.tiltMax, r.tiltMin, r.tiltCenter, r.tiltSpan);
    return r;
}

void PlaybackEngine::returnCenter(int32_t fixture, int32_t& x, int32_t& y) const {
    const MovementRange r = getMovementRange(fixture);
    x = r.panCenter;
    y = r.tiltCenter;
}

bool PlaybackEngine::updateTimingValues(int32_t colToUpdate, const QString& cellText) {
    PlaybackState& st = state;
    const int32_t s = st.currentStep;
    if (s < 1 || s > st.stepCount || s > st.lastStepSlot()) return false;
    if (colToUpdate < 2 || colToUpdate > 7) return true; // the name and command cells hold no time
    double v = 0;
    if (!boxNumber(cellText, v)) return false;
    if (colToUpdate == 6) {
        st.nextScenes[size_t(s)] = roundHalfEvenWide(v);
        return true;
    }
    std::vector<float>* const tables[] = {&st.fadeUpTimes, &st.fadeDownTimes, &st.delayUpTimes, &st.delayDownTimes,
                                          nullptr, &st.followTimes};
    (*tables[colToUpdate - 2])[size_t(s)] = float(v);
    return true;
}

bool PlaybackEngine::updateValuesForRow(const QStringList& rowCells) {
    PlaybackState& st = state;
    const int32_t s = st.currentStep;
    if (s < 1 || s > st.stepCount || s > st.lastStepSlot()) return false;
    // In this order: a cell that is no number stops the read-back there.
    struct Cell { int column; std::vector<float>* first; std::vector<float>* copy; };
    const Cell cells[] = {{2, &st.fadeUpTimes, &st.sequenceFadeUpTimes},
                          {3, &st.fadeDownTimes, &st.sequenceFadeDownTimes},
                          {5, &st.delayDownTimes, nullptr},
                          {4, &st.delayUpTimes, nullptr},
                          {6, nullptr, nullptr},
                          {7, &st.followTimes, nullptr}};
    for (const Cell& c : cells) {
        double v = 0;
        if (!boxNumber(rowCells.value(c.column), v)) return false;
        if (!c.first) {
            st.nextScenes[size_t(s)] = roundHalfEvenWide(v);
            continue;
        }
        (*c.first)[size_t(s)] = float(v);
        if (c.copy) (*c.copy)[size_t(s)] = float(v);
    }
    return true;
}
