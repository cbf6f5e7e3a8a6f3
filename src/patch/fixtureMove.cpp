#include "patch/fixtureMove.h"

#include "platform/prompts.h"
#include "profiles/ClsFixture.h"
#include "shell/patchModel.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

namespace fixtureMove {

namespace {
int32_t universeOf(int32_t channel) { return (channel - 1) / 512 + 1; }
} // namespace

int32_t fixtureAt(int32_t start) {
    const ChannelModel& m = shell().state;
    for (int32_t f = 1; f <= m.fixtureCount; ++f)
        if (m.fixtureStartChannel[size_t(f)] == start) return f;
    return 0;
}

Result moveFixture(int32_t oldStart, int32_t newStart) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t f = fixtureAt(oldStart);
    if (f == 0) return Result::NoFixture;
    const int32_t lc = m.fixtureLightClass[size_t(f)];
    const int32_t n = lc >= 1 && lc < int32_t(m.lightClasses.size()) && m.lightClasses[size_t(lc)]
                          ? m.lightClasses[size_t(lc)]->ChannelsUsed
                          : 0;
    const int32_t newEnd = newStart + n - 1, oldEnd = oldStart + n - 1;
    const QString error = QStringLiteral("Error Moving Fixture Start Channel:");
    if (n < 1 || newStart < 1 || newEnd > m.totalChannels) {
        s.prompts().messageBox(error + QStringLiteral("Subscript out of range"));
        return Result::OutOfRange;
    }
    for (int32_t c = newStart; c <= newEnd; ++c)
        if (m.channelType[c] != QLatin1String("none")) {
            s.prompts().messageBox(QStringLiteral("Cannot Move fixture, The target channel(s) are occupied. Please "
                                                  "Find an available channel. You can still move this fixture to "
                                                  "another universe."));
            return Result::Occupied;
        }
    // The sequences hold their levels per universe: a block running across
    // two universes could not carry them whole.
    if (universeOf(oldStart) != universeOf(oldEnd) || universeOf(newStart) != universeOf(newEnd) ||
        universeOf(oldStart) != universeOf(newStart)) {
        s.prompts().messageBox(error + QStringLiteral("a fixture cannot be moved across two universes"));
        return Result::CrossesUniverse;
    }
    // Copied in the direction that reads every source channel before it is
    // overwritten (as memmove does), and only the old channels the fixture
    // no longer covers are cleared, so an overlapping move keeps its settings.
    const bool upward = newStart > oldStart;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t k = upward ? n - 1 - i : i;
        const int32_t a = oldStart + k, b = newStart + k;
        const size_t ia = size_t(a), ib = size_t(b);
        m.channelType[b] = m.channelType[a];
        m.channelFixtureLabel[b] = m.channelFixtureLabel[a];
        m.channelFades[ib] = m.channelFades[ia];
        m.channelInvert[ib] = m.channelInvert[ia];
        m.channelStrobeIntensityFlags[ib] = m.channelStrobeIntensityFlags[ia];
        m.channelStrobeLow[ib] = m.channelStrobeLow[ia];
        m.channelStrobeHigh[ib] = m.channelStrobeHigh[ia];
        m.channelStrobeRateFlags[ib] = m.channelStrobeRateFlags[ia];
        m.channelDmxPilotFlags[ib] = m.channelDmxPilotFlags[ia];
        m.channelHighLimits[ib] = m.channelHighLimits[ia];
        m.channelLowLimits[ib] = m.channelLowLimits[ia];
        m.channelProfileName[b] = m.channelProfileName[a];
    }
    for (int32_t a = oldStart; a <= oldEnd; ++a) {
        if (a >= newStart && a <= newEnd) continue;
        const size_t i = size_t(a);
        m.channelType[a] = QStringLiteral("none");
        m.channelFixtureLabel[a].clear();
        m.channelProfileName[a].clear();
        m.channelFades[i] = m.channelInvert[i] = m.channelStrobeIntensityFlags[i] = 0;
        m.channelStrobeRateFlags[i] = m.channelDmxPilotFlags[i] = 0;
        m.channelStrobeLow[i] = m.channelStrobeHigh[i] = 0;
        m.channelHighLimits[i] = m.channelLowLimits[i] = 0;
    }
    patchModel::refreshLoadedFixtureTypes();
    const int32_t u = universeOf(oldStart), base = 512 * (u - 1);
    s.shortcuts().moveSequenceData(oldStart - base, newStart - base, oldEnd - base, newEnd - base, u);
    return Result::Moved;
}

} // namespace fixtureMove
