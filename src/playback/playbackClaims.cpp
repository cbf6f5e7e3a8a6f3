// The playback engine, channel claims and single stored levels.

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

// ---- Channel claims ----------------------------------------------------------------------------

bool PlaybackEngine::claimStepChannel(int32_t step, int32_t channel, int32_t level) {
    ChannelModel& m = model();
    if (channel < 1 || channel > m.totalChannels) return false;
    ensureStepSlot(step);
    if (isNone(m, channel)) return false;
    const int16_t me = int16_t(state.myPlaybackNumber);
    if (level == 0 && m.channelOwner[size_t(channel)] != me) {
        state.stepValues(channel, step) = 0;
        return true;
    }
    if (!channelClaim::priorityAllows(state.myPriority, channel) || !channelClaim::holdAllows(channel)) return false;
    m.channelOwner[size_t(channel)] = me;
    state.sequenceChannels[size_t(channel)] = 1;
    if (level != 0) m.channelTouched[size_t(channel)] = 0;
    state.stepValues(channel, step) = level;
    return true;
}

bool PlaybackEngine::claimMaskChannel(int32_t channel) {
    ChannelModel& m = model();
    if (channel < 1 || channel > m.totalChannels) return false;
    ensureChannelCapacity();
    if (!channelClaim::priorityAllows(state.myPriority, channel)) return false;
    m.channelOwner[size_t(channel)] = int16_t(state.myPlaybackNumber);
    state.sequenceChannels[size_t(channel)] = 1;
    return true;
}

void PlaybackEngine::takeOverHighPriorityChannels() {
    if (state.myPriority != 10) return;
    ChannelModel& m = model();
    const int16_t me = int16_t(state.myPlaybackNumber);
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        const int32_t p = m.fixtureLightClass[size_t(f)];
        if (p < 1 || size_t(p) >= m.lightClasses.size()) continue;
        const int32_t n = m.lightClass(p).ChannelsUsed;
        const int32_t first = m.fixtureStartChannel[size_t(f)];
        if (n <= 0 || first < 1 || first + n - 1 > m.totalChannels) continue;
        int32_t owned = 0;
        for (int32_t c = first; c < first + n; ++c) owned += m.channelOwner[size_t(c)] == me ? 1 : 0;
        if (!channelClaim::takeOverApplies(owned, n)) continue;
        for (int32_t c = first; c < first + n; ++c) m.channelOwner[size_t(c)] = me;
    }
}

void PlaybackEngine::refreshPlaybackChannels() {
    if (state.iAmLivePlayback || state.alteredPlayback) newRefreshPlaybackChannels();
    else oldrefreshPlaybackChannels();
}

void PlaybackEngine::newRefreshPlaybackChannels() {
    ChannelModel& m = sizedModel();
    const int16_t me = ownNumber();
    const bool anyOwner = state.iAmLivePlayback || state.alteredPlayback;
    const int32_t last = std::min(state.stepCount, state.lastStepSlot());
    auto take = [&](int32_t c) {
        m.channelOwner[size_t(c)] = me;
        state.sequenceChannels[size_t(c)] = 1;
    };
    auto setOutput = [&](int32_t c, int32_t i) {
        if (!m.channelFades[size_t(c)] && i == state.currentStep && m.channelOwner[size_t(c)] == me)
            m.channelOutput[size_t(c)] = clampLevel(roundHalfEven(state.currentLevels[size_t(c)]));
    };
    for (int32_t i = 1; i <= last; ++i) {
        const StepLevels::Row levels = state.stepValues.row(i);
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (m.channelHold[size_t(c)]) continue;
            if (levels[c] >= 1) {
                if (m.channelOwner[size_t(c)] == 0 || anyOwner) take(c);
                m.channelTouched[size_t(c)] = 0;
                setOutput(c, i);
            }
            if (state.currentLevels[size_t(c)] > 0 && m.channelOwner[size_t(c)] == 0) {
                take(c);
                setOutput(c, i);
                m.channelTouched[size_t(c)] = 0;
            }
        }
    }
}

void PlaybackEngine::oldrefreshPlaybackChannels() {
    if (state.stopAndClearAfterFadeOut) return;
    if (sequenceFileIo::oldrefreshPlaybackChannels(*this)) return;
    newRefreshPlaybackChannels();
}

void PlaybackEngine::releaseMyLoneChannels() {
    ChannelModel& m = model();
    const int16_t me = int16_t(state.myPlaybackNumber);
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (!isNone(m, c) && m.channelOwner[size_t(c)] == me && m.channelTouched[size_t(c)])
            m.channelTouched[size_t(c)] = 0;
}

void PlaybackEngine::updateChaserValue(int16_t channel, int16_t step, int16_t value, int16_t playback) {
    if (playback != state.myPlaybackNumber) return;
    try {
        ChannelModel& m = model();
        if (step < 0) return;
        if (!channelModel::checkPriorities(channel)) return;
        m.channelTouched[size_t(channel)] = 0;
        m.channelOwner[size_t(channel)] = int16_t(state.myPlaybackNumber);
        ensureChannelCapacity();
        state.sequenceChannels[size_t(channel)] = 1;
        if (step > state.stepCount) {
            state.stepCount = step + 1;
            int32_t n = state.stepCount;
            reDimForStepCount(0, n);
        }
        ensureStepSlot(step);
        state.stepValues(channel, step) = value;
        if (!state.theSequenceFilename.isEmpty()) {
            state.alteredPlayback = true;
            state.livePlaybackName = QFileInfo(state.theSequenceFilename).completeBaseName();
        }
    } catch (const std::exception&) {
        // A channel outside the show changes nothing.
    }
}

int16_t PlaybackEngine::sendChaserValue(int32_t channel, int32_t stepNumber, int32_t /*chaser*/) {
    if (stepNumber < 0 || channel < 1 || channel > model().totalChannels) return 0;
    // Reading at or past the end makes the step read the last one: reading
    // the last step changes nothing, so a reader walking steps 1..n never
    // grows the sequence it reads.
    if (stepNumber > state.stepCount) state.stepCount = stepNumber;
    if (stepNumber >= state.stepCount) ensureStepSlot(stepNumber + 5);
    ensureStepSlot(stepNumber);
    return int16_t(std::clamp(std::as_const(state.stepValues)(channel, stepNumber), -32768, 32767));
}
