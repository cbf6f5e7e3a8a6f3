#include "console/fixtureClipboard.h"

#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <algorithm>

namespace {

// The current fixture: its profile and its channels (first, count); count 0 when none.
struct Current {
    int32_t cls = 0, start = 0, count = 0;
};

Current currentFixture() {
    ChannelModel& m = shell().state;
    const int32_t f = shell().patch().currentFixtureNumber();
    Current c;
    if (f < 1 || f > m.fixtureCount || size_t(f) >= m.fixtureLightClass.size()) return c;
    c.cls = m.fixtureLightClass[size_t(f)];
    c.start = m.fixtureStartChannel[size_t(f)];
    if (c.cls < 1 || c.start < 1 || c.start > m.totalChannels) {
        c.cls = 0;
        return c;
    }
    c.count = std::clamp<int32_t>(m.lightClass(c.cls).ChannelsUsed, 0, m.totalChannels - c.start + 1);
    return c;
}

} // namespace

bool fixtureClipboard::isPanOrTilt(int32_t ch) {
    const QStringList& t = shell().state.channelType;
    const QString type = ch < t.size() ? t[ch].trimmed() : QString();
    return type.startsWith(QLatin1String("pan")) || type.startsWith(QLatin1String("tilt"));
}

void FixtureClipboard::copyFixtureScene() {
    const Current c = currentFixture();
    if (c.cls < 1) return;
    ChannelModel& m = shell().state;
    sceneValues.assign(size_t(c.count), 0);
    for (int32_t i = 0; i < c.count; ++i) sceneValues[size_t(i)] = m.channelOutput[size_t(c.start + i)];
    if (c.count > 0) clipboardFixtureClass = c.cls;
}

void FixtureClipboard::copyFixtureSequence() {
    const Current c = currentFixture();
    if (c.cls < 1) return;
    PlaybackService& playback = shell().playback();
    const int32_t current = shell().state.currentPlayback;
    const int32_t steps = std::clamp(playback.getMaxSteps(current), 0, maxSteps);
    sequenceValues.assign(size_t(steps), std::vector<int32_t>(size_t(c.count), 0));
    for (int32_t i = 0; i < c.count; ++i)
        for (int32_t s = 1; s <= steps; ++s)
            sequenceValues[size_t(s - 1)][size_t(i)] = playback.sendChaserValueFromPlayback(c.start + i, s, current);
    clipboardFixtureClass = c.cls;
    clipboardStepCount = steps;
}

void FixtureClipboard::pasteFixtureScene(bool withPanTilt) {
    const Current c = currentFixture();
    ChannelModel& m = shell().state;
    PlaybackService& playback = shell().playback();
    const int32_t current = m.currentPlayback;
    if (c.cls >= 1 && c.cls == clipboardFixtureClass) {
        const int32_t n = std::min<int32_t>(c.count, int32_t(sceneValues.size()));
        for (int32_t i = 0; i < n; ++i) {
            const int32_t ch = c.start + i;
            if (!withPanTilt && fixtureClipboard::isPanOrTilt(ch)) continue;
            const int32_t value = sceneValues[size_t(i)];
            playback.recieveChaserValueData(ch, playback.thecurrentStep(current), value, current);
            const bool mayWrite = channelModel::checkPriorities(ch);
            // Without pan and tilt the live output always takes the value.
            if (mayWrite || !withPanTilt) m.channelOutput[size_t(ch)] = value;
            if (mayWrite) m.channelOwner[size_t(ch)] = int16_t(current);
        }
    }
    if (c.cls >= 1) shell().presets().removeEventIfInCurrentStep(playback.thecurrentStep(current), true);
    if (withPanTilt) {
        playback.StepFoward(current);
        playback.stepBackWards(current);
    }
}

void FixtureClipboard::pasteFixtureSequence(bool withPanTilt) {
    const Current c = currentFixture();
    if (c.cls < 1) return;
    ChannelModel& m = shell().state;
    PlaybackService& playback = shell().playback();
    const int32_t answer = shell().prompts().messageBox(
        QStringLiteral("Would you like to paste Sequence starting on current step?"), msgBox::YesNo);
    const int32_t current = m.currentPlayback;
    // Another profile's data is never pasted, and the steps stay as they are.
    if (c.cls != clipboardFixtureClass) return;
    const int32_t offset = answer == msgBox::Yes ? std::max(0, playback.returnCurrentStep(current)) : 0;
    const int32_t before = playback.getMaxSteps(current);
    const int32_t copied = std::min<int32_t>(clipboardStepCount, int32_t(sequenceValues.size()));
    for (int32_t i = 0; i < c.count; ++i) {
        const int32_t ch = c.start + i;
        if (!withPanTilt && fixtureClipboard::isPanOrTilt(ch)) continue;
        for (int32_t s = 1; s <= copied; ++s) {
            const auto& row = sequenceValues[size_t(s - 1)];
            playback.recieveChaserValueData(ch, s + offset, i < int32_t(row.size()) ? row[size_t(i)] : 0, current);
        }
        if (channelModel::checkPriorities(ch)) m.channelOwner[size_t(ch)] = int16_t(current);
    }
    const int32_t after = std::max(before, offset + copied);
    if (after != before) playback.setMaxStepsValue(current, after);
}
