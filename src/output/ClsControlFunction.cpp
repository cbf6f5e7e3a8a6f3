#include "output/ClsControlFunction.h"

#include "profiles/ClsFixture.h"
#include "shell/shell.h"

#include <algorithm>
#include <stdexcept>

void ClsControlFunction::setActiveChannelLevel(uint8_t v) {
    myActiveChannel = v;
    auto& out = shell().state.channelOutput;
    if (v >= 1 && size_t(v) < out.size()) out[v] = v;
}

void ClsControlFunction::raiseChannelsOfType(const QString& roleName, int32_t fixture) {
    stepChannelsOfType(roleName, fixture, +1);
}

void ClsControlFunction::lowerChannelsOfType(const QString& roleName, int32_t fixture) {
    stepChannelsOfType(roleName, fixture, -1);
}

void ClsControlFunction::stepChannelsOfType(const QString& roleName, int32_t fixture, int step) {
    ChannelModel& st = shell().state;
    if (fixture < 1 || fixture > st.fixtureCount || size_t(fixture) >= st.fixtureStartChannel.size())
        throw std::out_of_range("fixture number outside the patched fixtures");
    const int profileIndex = st.fixtureLightClass[size_t(fixture)];
    if (profileIndex < 1) return; // no profile: no channels
    const ClsFixture& profile = st.lightClass(profileIndex);
    const int32_t first = st.fixtureStartChannel[size_t(fixture)];
    const int32_t last = std::min<int32_t>(first + profile.ChannelsUsed - 1, st.totalChannels);
    for (int32_t c = std::max(first, 1); c <= last; ++c) {
        if (st.channelType[c] != roleName) continue;
        int32_t& level = st.channelOutput[size_t(c)];
        if (step > 0 && level < 255) ++level;
        else if (step < 0 && level >= 1) --level;
    }
}
