#include "effects/effectWrites.h"

#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/numberText.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <exception>

namespace effectWrites {

bool isSelected(int32_t fixture) { return shell().patch().isSelected(fixture); }

std::pair<int32_t, int32_t> channelsOf(int32_t fixture) {
    ChannelModel& m = shell().state;
    if (fixture < 1 || size_t(fixture) >= m.fixtureStartChannel.size()) return {1, 0};
    const int32_t start = m.fixtureStartChannel[size_t(fixture)];
    const int32_t cls = m.fixtureLightClass[size_t(fixture)];
    if (start < 1 || cls < 1) return {1, 0};
    const int32_t used = m.lightClass(cls).ChannelsUsed;
    // A profile reaching past the show's channels is cut at the last one.
    return {start, std::min(start + used - 1, m.totalChannels)};
}

int32_t firstChannelOfType(int32_t fixture, const QString& channelName) {
    const ChannelModel& m = shell().state;
    const QString wanted = numberText::trimBlanks(channelName);
    const auto [first, last] = channelsOf(fixture);
    for (int32_t ch = first; ch <= last; ++ch)
        if (numberText::trimBlanks(m.channelType[ch]) == wanted) return ch;
    return 0;
}

bool writeClaimed(int32_t channel, int32_t step, int32_t value) {
    Shell& s = shell();
    if (!channelModel::checkPriorities(channel)) return false;
    ChannelModel& m = s.state;
    s.playback().recieveChaserValueData(channel, step, value, m.currentPlayback);
    m.channelOwner[size_t(channel)] = int16_t(m.currentPlayback);
    return true;
}

int32_t stored(int32_t channel, int32_t step) {
    Shell& s = shell();
    return s.playback().sendChaserValueFromPlayback(channel, step, s.state.currentPlayback);
}

void fillInOtherActiveFixturesOnCurrentPlayback(int32_t fixture) {
    Shell& s = shell();
    try {
        ChannelModel& m = s.state;
        const int32_t steps = s.playback().getMaxSteps(m.currentPlayback);
        if (isSelected(fixture)) return;
        const auto [first, last] = channelsOf(fixture);
        for (int32_t step = 1; step <= steps; ++step)
            for (int32_t ch = first; ch <= last; ++ch) {
                const int32_t level = m.channelOutput[size_t(ch)];
                if (level > 0 && m.channelOwner[size_t(ch)] == m.currentPlayback && channelModel::checkPriorities(ch) &&
                    stored(ch, step) == 0)
                    writeClaimed(ch, step, level);
            }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("error in fillInOtherActiveFixturesOnCurrentPlayback: ") +
                               QString::fromUtf8(e.what()));
    }
}

void FillInData(int32_t fixture, int32_t step) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const auto [first, last] = channelsOf(fixture);
    for (int32_t ch = first; ch <= last; ++ch) {
        if (stored(ch, step) != 0) continue;
        if (!channelModel::checkPriorities(ch)) continue;
        const QString& type = m.channelType[ch];
        bool take = !type.startsWith(QStringLiteral("pan")) && !type.startsWith(QStringLiteral("tilt"));
        if (!take) {
            const int32_t owner = m.channelOwner[size_t(ch)];
            take = owner > 0 && !s.playback().getChaserFlag(owner);
        }
        if (take && m.channelOutput[size_t(ch)] > 0) writeClaimed(ch, step, m.channelOutput[size_t(ch)]);
    }
}

} // namespace effectWrites
